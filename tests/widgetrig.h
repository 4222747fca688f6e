#pragma once

// What every widget test needs: a control by its object name, the next modal
// dialog driven, a button's face, and the rules every window keeps.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace rig {

// The child called name, or the test run stops.
template <typename T = QWidget>
T *find(const QObject *in, QAnyStringView name)
{
    T *found = in->findChild<T *>(name.toString());
    if (!found)
        qFatal("no control %s", qPrintable(name.toString()));
    return found;
}

// Runs act on the modal dialog that opens next, then rejects it if act left
// it open. No dialog fails the test.
inline void onNextDialog(const std::function<void(QDialog &)> &act)
{
    QTimer::singleShot(0, qApp, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no dialog opened");
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// The colour a button shows, whatever the style does with its palette.
inline QColor face(QWidget *button)
{
    const QImage image = button->grab().toImage();
    return image.pixelColor(4, image.height() / 2);
}

// The rules every window keeps, as the controls that break them: each control
// on show is reached by Tab (itself or through its focus proxy) and named for
// a screen reader; a click target has a tip too. Qt's own parts are left out.
inline QStringList breaches(QWidget *root)
{
    QStringList out;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        const bool target = w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor;
        const bool control = target || qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
                             || qobject_cast<QComboBox *>(w) || qobject_cast<QPlainTextEdit *>(w)
                             || qobject_cast<QAbstractSlider *>(w);
        const QString name = w->objectName();
        if (!control || name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !w->isVisibleTo(root))
            continue;
        const QWidget *stop = w->focusProxy() ? w->focusProxy() : w;
        if (!(stop->focusPolicy() & Qt::TabFocus))
            out << name + QLatin1String(": no Tab");
        if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
            out << name + QLatin1String(": no name");
        if (target && w->toolTip().isEmpty())
            out << name + QLatin1String(": no tip");
    }
    return out;
}

} // namespace rig
