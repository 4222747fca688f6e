#include "setupdiagram.h"

#include <QAccessible>
#include <QtTest>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;

namespace {

// Whether a line shows the change mark, in the write button's light red.
bool marked(QWidget *line)
{
    const QImage image = line->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *begin = reinterpret_cast<const QRgb *>(image.constBits());
    const auto *end = begin + image.sizeInBytes() / 4;
    return std::find(begin, end, qRgb(255, 128, 128)) != end;
}

// Every element on show, as with the client role; the e-mail line is open
// in logger mode only.
void showEverything(SetupDiagram &diagram, bool logger)
{
    diagram.showRole(0);
    diagram.showLogger(logger, 0);
    diagram.showDevices(3);
    diagram.show();
    QVERIFY(QTest::qWaitForWindowExposed(&diagram));
}

} // namespace

// Each click target of the diagram reaches exactly its own editor: a click
// that opened the wrong dialog, or the schedule of the wrong device, would
// edit another setting than the one the technician pointed at.
class TestSetupDiagram : public QObject
{
    Q_OBJECT

    // "name" or "name index" of every editor the diagram asked for, in order.
    struct Spies
    {
        QObject context; // ends the connections with the recorder
        QStringList names;

        explicit Spies(SetupDiagram &d)
        {
            const std::pair<void (SetupDiagram::*)(), const char *> plain[] = {
                {&SetupDiagram::gprsClicked, "gprs"},
                {&SetupDiagram::serverClicked, "server"},
                {&SetupDiagram::serverPortClicked, "serverPort"},
                {&SetupDiagram::smsClicked, "sms"},
                {&SetupDiagram::emailClicked, "email"},
                {&SetupDiagram::baudClicked, "baud"},
                {&SetupDiagram::passwordClicked, "password"},
                {&SetupDiagram::clockClicked, "clock"}};
            for (const auto &[signal, name] : plain)
                connect(&d, signal, &context, [this, name] { names << QLatin1String(name); });
            for (const auto &[signal, name] :
                 {std::pair{&SetupDiagram::scheduleClicked, "schedule"}, {&SetupDiagram::deviceClicked, "device"}})
                connect(&d, signal, &context,
                        [this, name](int i) { names << u"%1 %2"_s.arg(QLatin1String(name)).arg(i); });
        }
    };

private slots:
    // Captions and pictures that are no click target open nothing.
    void eachTargetOpensItsEditor_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("editor");
        const std::pair<const char *, const char *> rows[] = {
            {"lblAPN", "gprs"},
            {"lblProviderUser", "gprs"},
            {"lblProviderPWD", "gprs"},
            {"lblTessarinIP", "server"},
            {"lblTessarinPort", "server"},
            {"lblServerPort", "serverPort"},
            {"lblSMS", "sms"},
            {"lblEmail", "email"},
            {"lblBaud", "baud"},
            {"lblTime0", "schedule 0"},
            {"imgTime0", "schedule 0"},
            {"lblTime1", "schedule 1"},
            {"imgTime1", "schedule 1"},
            {"lblTime2", "schedule 2"},
            {"imgTime2", "schedule 2"},
            {"lblDevice0", "device 0"},
            {"imgDevice0", "device 0"},
            {"lblDevice1", "device 1"},
            {"imgDevice1", "device 1"},
            {"lblDevice2", "device 2"},
            {"imgDevice2", "device 2"},
            {"lblPWDSet", "password"},
            {"lblTimeSet", "clock"},
            {"lblVersion", ""},
            {"lblSerial", ""},
            {"lblBattery", ""},
            {"lblClock", ""},
            {"lblPWD", ""},
            {"lblNetwork", ""},
            {"lblMerolan", ""},
            {"lblServer", ""},
            {"imgMerolan", ""},
        };
        for (const auto &[target, editor] : rows)
            QTest::newRow(target) << QString::fromLatin1(target) << QString::fromLatin1(editor);
    }

    void eachTargetOpensItsEditor()
    {
        QFETCH(QString, target);
        QFETCH(QString, editor);
        SetupDiagram diagram;
        showEverything(diagram, target == QLatin1String("lblEmail"));
        auto *widget = diagram.findChild<QWidget *>(target);
        QVERIFY(widget);
        if (target == QLatin1String("lblServerPort"))
            diagram.showRole(1);
        QVERIFY(widget->isVisible());
        Spies spies(diagram);
        const QStringList once = editor.isEmpty() ? QStringList() : QStringList{editor};

        // Only the left button counts.
        QTest::mouseClick(widget, Qt::RightButton);
        QCOMPARE(spies.names, QStringList());
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(spies.names, once);
        QCOMPARE(widget->cursor().shape() == Qt::PointingHandCursor, !editor.isEmpty());
        if (editor.isEmpty())
            return;

        // The keyboard reaches the same editor; a picture through its caption.
        // The target that takes the focus shows it.
        QWidget *stop = widget->focusProxy() ? widget->focusProxy() : widget;
        stop->clearFocus();
        const QImage unfocused = stop->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), stop);
        QVERIFY(stop->grab().toImage() != unfocused);
        QTest::keyClick(stop, Qt::Key_A);
        QTest::keyClick(stop, Qt::Key_Space);
        QTest::keyClick(stop, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(spies.names, QStringList(3, editor));

        // A diagram disabled while the modem is talked to opens nothing.
        diagram.setEnabled(false);
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::keyClick(stop, Qt::Key_Return);
        QCOMPARE(spies.names, QStringList(3, editor));
    }

    // What a pointer's tip and a screen reader say about the links; a line a
    // write would change says so, and what the modem holds, the rest keep
    // their plain look and tip. The pointer underlines a target.
    void linesSayWhatTheyDoAndWhatChanged()
    {
        SetupDiagram diagram;
        showEverything(diagram, true);
        const auto line = [&](const char *name) { return diagram.findChild<QWidget *>(QLatin1String(name)); };
        QStringList said;
        for (const char *name : {"lblPWDSet", "lblTimeSet", "lblDevice0", "lblDevice2", "imgDevice1", "imgTime0"})
            said << QAccessible::queryAccessibleInterface(line(name))->text(QAccessible::Name) + u" | "_s
                        + line(name)->toolTip();
        QCOMPARE(said,
                 (QStringList{u"Change password | Click to change password"_s,
                              u"Set the Merolan's clock from this computer | Click to set the Merolan's clock from "
                              "this computer's clock"_s,
                              u"Ombrilex data logger | Click to connect to data logger and close Merolan Programmer."_s,
                              u"Device 3 | Click to connect to Device 3 and close Merolan Programmer."_s,
                              u"Device 2 | Click to connect to Device 2 and close Merolan Programmer."_s,
                              u"Device 1 On/Off times | Click to set On/Off times"_s}));

        diagram.showChanges(
            {{Item::lblAPN, u"In the Merolan: internet.example"_s}, {Item::lblTime1, u"In the Merolan: ALWAYS ON"_s}});
        QVERIFY(marked(line("lblAPN")) && marked(line("lblTime1")));
        QVERIFY(!marked(line("lblProviderUser")));
        QCOMPARE(line("lblAPN")->toolTip(), u"In the Merolan: internet.example"_s);
        QCOMPARE(line("lblTime1")->toolTip(), u"In the Merolan: ALWAYS ON"_s);
        QCOMPARE(line("lblProviderUser")->toolTip(), u"Click to edit"_s);
        diagram.showChanges({{Item::lblTime1, u"In the Merolan: ALWAYS OFF"_s}});
        QVERIFY(!marked(line("lblAPN")));
        QCOMPARE(line("lblAPN")->toolTip(), u"Click to edit"_s);
        QCOMPARE(line("lblTime1")->toolTip(), u"In the Merolan: ALWAYS OFF"_s);
        diagram.showChanges({});
        QVERIFY(!marked(line("lblTime1")));
        QCOMPARE(line("lblTime1")->toolTip(), u"Click to set On/Off times"_s);

        const auto hover = [&](const char *name, QEvent::Type type) {
            QEvent event(type);
            QApplication::sendEvent(line(name), &event);
        };
        hover("imgTime2", QEvent::Enter);
        QVERIFY(line("lblTime2")->font().underline());
        hover("imgTime2", QEvent::Leave);
        QVERIFY(!line("lblTime2")->font().underline());
        // The links among the facts stay underlined.
        hover("lblPWDSet", QEvent::Enter);
        hover("lblPWDSet", QEvent::Leave);
        QVERIFY(line("lblPWDSet")->font().underline());
    }
};

QTEST_MAIN(TestSetupDiagram)
#include "tst_setupdiagram.moc"
