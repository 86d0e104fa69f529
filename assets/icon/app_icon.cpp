// SPDX-FileCopyrightText: 2026 The Vantrello developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/icon/app_icon.h"

#include <QSize>
#include <QString>

namespace assets {

QIcon applicationIcon() {
    // The sizes the build renders (assets/icon/CMakeLists.txt), each a PNG in the resource.
    static constexpr int kSizes[] = {VANTRELLO_ICON_SIZES};
    QIcon icon;
    for (const int size : kSizes) {
        // With the size given, the icon knows which file serves which size, and it is a PNG,
        // which Qt reads without plugins: the SVG renderer is not needed at run time.
        icon.addFile(QStringLiteral(VANTRELLO_ICON_RESOURCES "vantrello-%1.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

} // namespace assets
