#include "shell/AppContext.h"
