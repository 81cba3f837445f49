#pragma once

class QApplication;

// The look of the program on every desktop: the Fusion style, the breeze icons, fonts with Hebrew,
// and the right-to-left layout in Hebrew. The interface language must be set before.
namespace AppLook {
void Apply(QApplication& app);
}
