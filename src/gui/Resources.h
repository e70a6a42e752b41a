#pragma once

#include <QIcon>
#include <QPixmap>

// The program icon in every size the resources hold.
inline QIcon programIcon()
{
    QIcon icon;
    // The format is named so that Qt does not load every image plugin to guess it.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap(QStringLiteral(":/orvanta/icons/orvanta-%1.png").arg(size), "PNG"));
    return icon;
}
