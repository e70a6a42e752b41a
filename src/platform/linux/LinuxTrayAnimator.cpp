#include "tray/TrayAnimator.h"

namespace {
class NoTrayAnimator final : public TrayAnimator
{
public:
    void animate(int, QWidget *, const QRect &) override {}
};
} // namespace

std::unique_ptr<TrayAnimator> makePlatformTrayAnimator()
{
    return std::make_unique<NoTrayAnimator>();
}
