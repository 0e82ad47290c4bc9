// The watcher and recorder. Its windows come later; for now it says what it is.
#include <cstdio>

#include "common/Version.h"

int main() {
    std::printf("Tallowen %s\n", tallowen::kVersion);
    return 0;
}
