#include "setupdiagram.h"
#include "widgetrig.h"

#include <memory>

using namespace Qt::StringLiterals;
using Item = SetupView::Item;

namespace {

// Whether a line shows the change mark, in the write button's light red.
bool marked(QWidget *line)
{
    const QImage image = line->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *begin = reinterpret_cast<const QRgb *>(image.constBits());
    return std::find(begin, begin + image.sizeInBytes() / 4, qRgb(255, 128, 128)) != begin + image.sizeInBytes() / 4;
}

} // namespace

// Each click target of the diagram reaches exactly its own editor: a click
// that opened the wrong dialog, or the schedule of the wrong device, would
// edit another setting than the one the technician pointed at.
class TestSetupDiagram : public QObject
{
    Q_OBJECT

private slots:
    void eachTargetOpensItsEditor_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("editor"); // empty: no click target
        const QString rows = u"lblAPN=gprs,lblProviderPWD=gprs,lblTessarinIP=server,lblTessarinPort=server,"
                             "lblServerPort=serverPort,lblSMS=sms,lblEmail=email,lblBaud=baud,lblTime1=schedule 1,"
                             "imgTime2=schedule 2,lblDevice2=device 2,imgDevice0=device 0,lblPWDSet=password,"
                             "lblTimeSet=clock,lblVersion=,lblMerolan=,imgMerolan="_s;
        for (const QString &row : rows.split(u','))
            QTest::newRow(qPrintable(row.section(u'=', 0, 0))) << row.section(u'=', 0, 0) << row.section(u'=', 1);
    }
    void eachTargetOpensItsEditor()
    {
        QFETCH(QString, target);
        QFETCH(QString, editor);
        SetupDiagram diagram;
        diagram.showRole(target == "lblServerPort"_L1 ? 1 : 0);
        diagram.showLogger(target == "lblEmail"_L1, 0);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        // Every signal of the diagram, so that a click reaching a wrong one shows.
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject *meta = diagram.metaObject();
        for (int m = meta->methodOffset(); m < meta->methodCount(); ++m)
            if (meta->method(m).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(&diagram, meta->method(m)));
        const auto opened = [&] {
            QStringList names;
            for (const auto &spy : spies)
                for (const QList<QVariant> &arguments : *spy)
                    names << QString::fromLatin1(spy->signal()).section(u'C', 0, 0)
                                 + (arguments.isEmpty() ? QString() : u' ' + arguments[0].toString());
            return names;
        };
        QWidget *widget = rig::find(&diagram, target);
        QVERIFY(widget->isVisible());

        QTest::mouseClick(widget, Qt::RightButton);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(opened(), editor.isEmpty() ? QStringList() : QStringList{editor});
        if (editor.isEmpty())
            return;
        // The keyboard reaches the same editor, a picture through its caption,
        // and the target that takes the focus shows it.
        QWidget *stop = widget->focusProxy() ? widget->focusProxy() : widget;
        stop->clearFocus();
        const QImage unfocused = stop->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), stop);
        QVERIFY(stop->grab().toImage() != unfocused);
        QTest::keyClick(stop, Qt::Key_A);
        QTest::keyClick(stop, Qt::Key_Space);
        QTest::keyClick(stop, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(opened(), QStringList(3, editor));
        // While the modem is talked to the diagram is disabled: nothing opens.
        diagram.setEnabled(false);
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::keyClick(stop, Qt::Key_Return);
        QCOMPARE(opened(), QStringList(3, editor));
        QCOMPARE(rig::breaches(&diagram), QStringList());
    }

    // A line a write would change bears the mark and says what the modem
    // holds; the others keep their plain look and tip.
    void changedLinesMarked()
    {
        SetupDiagram diagram;
        diagram.showRole(0);
        diagram.show();
        QVERIFY(QTest::qWaitForWindowExposed(&diagram));
        QWidget *apn = rig::find(&diagram, "lblAPN"), *time = rig::find(&diagram, "lblTime1");
        diagram.showChanges({{Item::lblAPN, u"In the Merolan: iot.old"_s}, {Item::lblTime1, u"In the Merolan: X"_s}});
        QVERIFY(marked(apn) && marked(time) && !marked(rig::find(&diagram, "lblProviderUser")));
        QCOMPARE(apn->toolTip(), u"In the Merolan: iot.old"_s);
        diagram.showChanges({});
        QVERIFY(!marked(apn) && !marked(time));
        QCOMPARE(apn->toolTip(), u"Click to edit"_s);
        QCOMPARE(time->toolTip(), u"Click to set On/Off times"_s);
    }
};

QTEST_MAIN(TestSetupDiagram)
#include "tst_setupdiagram.moc"
