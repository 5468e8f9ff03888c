#pragma once

namespace vokta::ui {

// Window geometry is laid out in twips, 15 to a logical pixel; Qt scales logical pixels on
// high-DPI screens.
constexpr int twips(int t) {
    return (t >= 0 ? t + 7 : t - 7) / 15;
}
constexpr int toTwips(int pixels) {
    return pixels * 15;
}

}  // namespace vokta::ui
