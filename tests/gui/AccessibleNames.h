#pragma once
// Every control is named by its visible label: what assistive technology
// reads for a control against the label a sighted user reads beside it.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

inline QString accessibleName(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// The texts of the labels that name the control as their buddy, or a
// button's own text (its tool-tip when it shows only an icon), without the
// shortcut marks.
inline QString visibleLabel(QWidget *w)
{
    QStringList texts;
    for (QLabel *label : w->window()->findChildren<QLabel *>())
        if (label->buddy() == w)
            texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    if (auto *b = qobject_cast<QAbstractButton *>(w); b && texts.isEmpty())
        texts << (b->text().isEmpty() ? b->toolTip() : b->text());
    return texts.join(QLatin1Char(' ')).remove(QLatin1Char('&'));
}

// Checks the buttons, fields and boxes of a window; an editable box is named
// through its field. Returns how many were checked.
inline int expectNamedByLabels(QWidget &window)
{
    QList<std::pair<QWidget *, QWidget *>> controls; // labelled, named
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>())
        // Not the parts of other controls: a tab bar's scroll arrows, a table's
        // corner, a tool bar's overflow.
        if (!qobject_cast<QTabBar *>(b->parentWidget()) && !b->inherits("QTableCornerButton")
            && b->objectName() != QLatin1String("qt_toolbar_ext_button"))
            controls.push_back({b, b});
    for (QComboBox *b : window.findChildren<QComboBox *>())
        controls.push_back({b, b->lineEdit() ? static_cast<QWidget *>(b->lineEdit()) : b});
    for (QLineEdit *e : window.findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(e->parentWidget()))
            controls.push_back({e, e});
    for (const auto &[labelled, named] : controls) {
        SCOPED_TRACE(qPrintable(labelled->objectName()));
        EXPECT_FALSE(visibleLabel(labelled).isEmpty());
        EXPECT_EQ(accessibleName(named), visibleLabel(labelled));
    }
    return int(controls.size());
}
