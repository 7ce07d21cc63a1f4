#pragma once

#include <QIcon>

namespace cellvex {

// The preview toolbar's 16 x 16 pictures, drawn rather than loaded so that
// the control needs no resource files.
enum class PreviewIcon { Print, PageSetup, Fit, First, Previous, Next, Last };

QIcon previewIcon(PreviewIcon which);

} // namespace cellvex
