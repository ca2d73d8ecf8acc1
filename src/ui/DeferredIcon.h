#pragma once
// Icons from the program's pictures that read their picture only when they
// are first drawn or measured, and read it once. Building the window makes
// some forty icons, most of them for menus that may never be opened, and an
// icon made from a picture file reads and checks the picture when it is made
// and again for each size it draws; that was a good part of the start-up
// time. The sizes the window shows at start are copied from the pictures the
// build drew (IconPicture.h). The icon draws exactly what the icon made from
// the file draws.
#include <QIcon>
#include <QString>

QIcon deferredIcon(const QString &fileName);
