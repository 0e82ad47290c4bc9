// How an operation on a file or a text ended: one shape for all of them. `ok` starts false,
// so a result nobody filled in reads as a failure, never as a success.
#pragma once

#include <string>
#include <utility>

namespace tallowen {

struct Outcome {
    bool ok = false;
    std::string error;  // why not, for the user: the file's name and the reason

    static Outcome Done() { return {true, {}}; }
    static Outcome Failed(std::string why) { return {false, std::move(why)}; }
};

}  // namespace tallowen
