// Chance from the standard library alone: the same on every system.
#include <memory>
#include <random>

#include "platform/Calendar.h"

namespace tallowen {

namespace {

class SystemRandom final : public Random {
public:
    SystemRandom() : engine_(std::random_device{}()) {}
    // The top 53 bits as a fraction: exactly uniform in [0, 1), never 1.
    double Next() override { return double(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

}  // namespace

std::unique_ptr<Random> MakeSystemRandom() {
    return std::make_unique<SystemRandom>();
}

}  // namespace tallowen
