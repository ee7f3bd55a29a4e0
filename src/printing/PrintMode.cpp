#include "PrintMode.h"

#include "SetupSettings.h"

namespace arc {


PrintMode PrintMode::of(Name name)
{
    using O = PageCanvas::Orientation;
    switch (name) {
    case Name::P0: return {Name::P0, O::Portrait, 1.1f, 1.0f, 6, 7, 8, 14, 7, 10800};
    case Name::P1: return {Name::P1, O::Portrait, 1.05f, 1.0f, 6, 7, 8, 14, 7, 10800};
    case Name::LS: return {Name::LS, O::Landscape, 1.31f, 1.2f, 6, 8, 10, 18, 7, 10800};
    case Name::Wide: return wide(kUprightWidth);
    }
    return of(Name::P0);
}

PrintMode PrintMode::wide(double width)
{
    PrintMode mode = of(Name::P0);
    mode.name = Name::Wide;
    mode.orientation = PageCanvas::Orientation::Landscape;
    mode.F = static_cast<float>(mode.F * width / kUprightWidth);
    mode.textLimit = static_cast<float>(mode.textLimit * width / kUprightWidth);
    return mode;
}

PrintMode PrintMode::forSetting(const std::optional<QString> &user1)
{
    if (!user1)
        return of(Name::P0);
    return of(SetupSettings::isLandscape(*user1) ? Name::LS : Name::P1);
}

} // namespace arc
