#pragma once
// The model editing dialogs under test: a workspace with scripted prompts,
// the effects the dialog asked of the main window, and small helpers to
// type, press and read the focus like a user.
#include "core/Fixtures.h"
#include "model/EditForms.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class DialogTest : public ::testing::Test {
protected:
    // The prompts are strict: a box not scripted, or an answer left over,
    // fails the test.
    void SetUp() override { ws.setPrompts(&prompts); }

    // The dialog made as the command makes it, opened with show() so that no
    // modal loop can hang the test.
    template <typename D, typename... Open>
    D &open(Open... on)
    {
        auto made = std::make_unique<D>(ws, [this](const EditEffects &e) { effects.push_back(e); });
        D &d = *made;
        dialog = std::move(made);
        d.openOn(on...);
        d.show();
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        return d;
    }

    template <typename W>
    W *child(const char *name)
    {
        W *w = dialog->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(name); }
    QComboBox *box(const char *name) { return child<QComboBox>(name); }

    // Replaces the text of a field as the user would, key by key.
    void type(QWidget *field, const QString &text)
    {
        auto *b = qobject_cast<QComboBox *>(field);
        QLineEdit *e = b ? b->lineEdit() : qobject_cast<QLineEdit *>(field);
        field->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    void press(const char *button) { QTest::mouseClick(child<QWidget>(button), Qt::LeftButton); }
    // A check box toggled from the keyboard.
    void toggle(const char *box)
    {
        QWidget *b = child<QWidget>(box);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
    }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    // The user chooses entry n of a number box.
    void choose(const char *name, int n)
    {
        QComboBox *b = box(name);
        b->setCurrentIndex(n - 1);
        emit b->activated(n - 1);
    }
    // The object name of the widget with the focus (a box's line edit
    // counts as its box).
    QString focused()
    {
        QWidget *w = QApplication::focusWidget();
        if (w && qobject_cast<QComboBox *>(w->parentWidget()))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }
    LogEntry lastLog() const { return ws.log.entries().value(ws.log.entries().size() - 1); }

    Workspace ws;
    ScriptedPrompts prompts;
    std::vector<EditEffects> effects;
    std::unique_ptr<QWidget> dialog;
};
