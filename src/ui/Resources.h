#pragma once

#include <QIcon>

// The program icon in every size the resources hold.
inline QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/orvanta/icons/orvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}
