#include "schedule/PowerRequester.h"

namespace {
class PendingPower final : public PowerRequester
{
public:
    PowerResult request(const PowerRequest &) override
    {
        return {false, QStringLiteral("no power back-end yet")};
    }
};
} // namespace

std::unique_ptr<PowerRequester> makePlatformPowerRequester()
{
    return std::make_unique<PendingPower>();
}
