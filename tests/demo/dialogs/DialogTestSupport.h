#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace cellvex::demo::testing {

// The one widget of this type and object name under root; a missing or
// doubled name fails the test (the main window finds them the same way).
template <class T> T *child(QWidget *root, const QString &name)
{
    const QList<T *> found = root->findChildren<T *>(name);
    EXPECT_EQ(found.size(), 1) << "widget " << name.toStdString();
    return found.isEmpty() ? nullptr : found.first();
}

// A mouse click on a button the user can see.
inline void click(QAbstractButton *button)
{
    ASSERT_TRUE(button);
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString() << " is not on the screen";
    // Radio buttons and check boxes take clicks on their mark and text only.
    const bool marked = !qobject_cast<QPushButton *>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      marked ? QPoint(7, button->height() / 2) : button->rect().center());
}

// Types text into a field the way a keyboard does: one key press per
// character (characters outside Latin-1 as keys with text only).
inline void typeKeys(QWidget *field, const QString &text)
{
    for (QChar ch : text) {
        const int key = ch.unicode() < 0x80 ? int(ch.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(field, &release);
    }
}

// Replaces a field's text by typing: select all, then the keys.
inline void retype(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        typeKeys(field, text);
}

// Picks a list item with the mouse.
inline void pick(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

// Chooses a combo box entry as the user does from its list.
inline void choose(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Switches pages by clicking the page's tab.
inline void showPage(QTabWidget *pages, const QString &title)
{
    QTabBar *bar = pages->findChild<QTabBar *>();
    ASSERT_TRUE(bar);
    for (int i = 0; i < bar->count(); ++i)
        if (bar->tabText(i) == title) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            ASSERT_EQ(pages->currentIndex(), i);
            return;
        }
    FAIL() << "no page " << title.toStdString();
}

} // namespace cellvex::demo::testing
