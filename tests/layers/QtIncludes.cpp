// clang-format off
// Not compiled: the input of the core_includes_refuse_qt_modules test, which
// expects cmake/CheckCoreIncludes.cmake to refuse lines 4 to 9 only.
#include <QWidget>
#include <QtWidgets/QWidget>
#include <QtGui/QColor>
#include "QWidget"
#include <QtGui>
# include <qpainter.h>
#include <QString>
#include <QtCore/QFile>
#include "model/Model.h"
#include <vector>
