#!/usr/bin/env python3
"""Plants realistic faults in the program one at a time and runs the suite on each.

A fault the suite does not notice survives: the list at the end names the
places where a test is missing. Usage, from a configured build tree:

    scripts/mutation.py build/debug [NAME...]

Each fault is a set of (file, text, replacement); the text must occur exactly
once. The tree is restored after every fault, also on Ctrl-C. The packaging
test is left out: it checks the package, not the program's behaviour.
"""
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent

FAULTS = [
    ("clean-reply-low-edge", [("src/link/exchange.cpp", "c < 32 ||", "c < 31 ||")]),
    ("clean-reply-high-edge", [("src/link/exchange.cpp", "c > 127)", "c > 128)")]),
    ("look-up-text", [("src/link/exchange.cpp", '"ERROR\\r\\n|OK\\r\\n"', '"ERROR|OK\\r\\n"')]),
    ("look-up-length", [("src/link/exchange.cpp", "setLookUpInputLen(200)", "setLookUpInputLen(199)")]),
    ("look-up-earliest-wins", [("src/link/seriallink.cpp", "at + t.size() < end)", "at + t.size() > end)")]),
    ("file-swap-apn-user", [
        ("src/setup/setupfile.cpp",
         '    w.text("APN", record.APN);\n    w.text("GPRSID", record.GPRSID);',
         '    w.text("APN", record.GPRSID);\n    w.text("GPRSID", record.APN);'),
        ("src/setup/setupfile.cpp",
         '    r.text("APN", record.APN);\n    r.text("GPRSID", record.GPRSID);',
         '    r.text("APN", record.GPRSID);\n    r.text("GPRSID", record.APN);'),
    ]),
    ("file-swap-recipient-sender", [
        ("src/setup/setupfile.cpp",
         '    w.text("ERecep", record.ERecep);\n    w.text("ESender", record.ESender);',
         '    w.text("ERecep", record.ESender);\n    w.text("ESender", record.ERecep);'),
        ("src/setup/setupfile.cpp",
         '    r.text("ERecep", record.ERecep);\n    r.text("ESender", record.ESender);',
         '    r.text("ERecep", record.ESender);\n    r.text("ESender", record.ERecep);'),
    ]),
    ("email-version-gate", [("src/setup/readsetup.cpp", "firmwareNumber() >= 3 ||", "firmwareNumber() > 3 ||")]),
    ("email-interval-read-edge", [("src/setup/readsetup.cpp", "if (hours > 24)", "if (hours >= 24)")]),
    ("email-interval-check-edge", [("src/setup/settinglines.cpp",
                                    "r.EmailInterval > 24)", "r.EmailInterval >= 24)")]),
    ("email-write-version-edge", [("src/setup/settinglines.cpp",
                                   "*firmware < 3.0 && e.EmailInterval", "*firmware <= 3.0 && e.EmailInterval")]),
    ("key-prefix-left", [("src/setup/readsetup.cpp",
                          '.trimmed().remove(QStringLiteral("HOSTIP=")).trimmed()', ".trimmed()")]),
    ("setting-text-edge", [("src/setup/settinglines.cpp", "c.unicode() > 126)", "c.unicode() > 127)")]),
    ("change-mark-neighbour", [("src/setup/changemarks.cpp",
                                "text(Item::lblProviderUser, &SetupRecord::GPRSID);",
                                "text(Item::lblProviderUser, &SetupRecord::APN);")]),
    ("finish-no-pause", [("src/setup/connection.cpp",
                          '    s.Comm.OutputLine(QStringLiteral("#AUTO"));\n    s.Comm.Pause(1000);',
                          '    s.Comm.OutputLine(QStringLiteral("#AUTO"));\n    s.Comm.Pause(100);')]),
    ("port-box-empty-answer", [("src/setup/fieldeditors.cpp", "if (!answer || answer->isEmpty())", "if (!answer)")]),
    ("sms-box-trim", [("src/setup/fieldeditors.cpp", "s.EditSetup.SMSNum = answer->trimmed();",
                       "s.EditSetup.SMSNum = *answer;")]),
    ("write-other-modem", [("src/setup/writesetup.cpp", "if (serial != s.SerialNumber) {",
                            "if (serial.isEmpty()) {")]),
    ("password-keeps-old-box", [("src/setup/passwordclock.cpp",
                                 '        s.showPasswordTag(QStringLiteral("Disabled"));\n        s.showPassword(QString());',
                                 '        s.showPasswordTag(QStringLiteral("Disabled"));')]),
    ("clock-second-edge", [("src/setup/passwordclock.cpp", "(1800 - clock", "(1000 - clock")]),
    ("search-nudge", [("src/link/findmodem.cpp", 'comm.Output(QStringLiteral("\\r\\n"));', "")]),
    ("start-frame-during-search", [("src/ui/main/frmselcon.cpp",
                                    "        cmdWrite->setEnabled(false);\n        fraStart->setEnabled(false);",
                                    "        cmdWrite->setEnabled(false);")]),
    ("schedule-ok-no-mark", [("src/ui/dialogs/settingseditors.cpp",
                              "                                      dialog.captions()[size_t(i)]);\n    }\n    m_session.HasChanges();",
                              "                                      dialog.captions()[size_t(i)]);\n    }")]),
    ("recipients-cut-once", [("src/ui/dialogs/emailsettings.cpp",
                              "const QScopedValueRollback cutting(m_cuttingRecipients, true);",
                              "m_cuttingRecipients = true;")]),
    ("serial-file-name", [("src/cli/output.cpp", "name += safe ? c : QLatin1Char('_');", "name += c;")]),
    ("serial-resource-error", [("src/link/qtseriallink.cpp",
                                "    case QSerialPort::ReadError:\n    case QSerialPort::ResourceError: return true;",
                                "    case QSerialPort::ReadError: return true;")]),
    ("logger-request-type", [("src/setup/readsetup.cpp", "numberValue(type) > 0 &&", "numberValue(type) >= 0 &&")]),
    ("drift-set-edge", [("src/setup/modemclock.cpp", "> kDriftToleranceSeconds;", ">= kDriftToleranceSeconds;")]),
    ("time-of-day-seconds", [("src/setup/scheduletime.cpp", "minutes * 60 + seconds)", "minutes * 60)")]),
    ("diagram-second-target", [("src/ui/main/setupdiagram.cpp", "{lblTessarinIP, lblTessarinPort})",
                                "{lblTessarinIP, lblTessarinPort, lblProviderPWD})")]),
    ("interrupt-at-password", [("src/cli/output.cpp", "NotFound && !passwordAsked)", "NotFound || !passwordAsked)")]),
]


def run(cmd, cwd):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def main():
    build = pathlib.Path(sys.argv[1]).resolve()
    chosen = set(sys.argv[2:])
    faults = [f for f in FAULTS if not chosen or f[0] in chosen]
    if run(["cmake", "--build", str(build)], ROOT) != 0 or run(["ctest", "-E", "tst_package", "-j2"], build) != 0:
        sys.exit("The unchanged program must build and pass first.")
    survived, killed, broken = [], [], []
    for name, edits in faults:
        saved = {}
        try:
            for path, text, replacement in edits:
                file = ROOT / path
                saved.setdefault(file, file.read_text())
                current = file.read_text()
                if current.count(text) != 1:
                    raise LookupError(f"{name}: {path} holds the text {current.count(text)} times")
                file.write_text(current.replace(text, replacement))
            start = time.monotonic()
            if run(["cmake", "--build", str(build)], ROOT) != 0:
                broken.append(name)
                verdict = "does not build"
            elif run(["ctest", "-E", "tst_package", "-j2", "--stop-on-failure"], build) != 0:
                killed.append(name)
                verdict = "killed"
            else:
                survived.append(name)
                verdict = "SURVIVED"
            print(f"{name:32} {verdict:15} {time.monotonic() - start:6.1f} s", flush=True)
        except LookupError as e:
            broken.append(name)
            print(e, flush=True)
        finally:
            for file, body in saved.items():
                file.write_text(body)
    run(["cmake", "--build", str(build)], ROOT)
    print(f"\n{len(killed)} of {len(faults)} killed; survived: {', '.join(survived) or 'none'}; "
          f"not applied: {', '.join(broken) or 'none'}")
    sys.exit(1 if survived or broken else 0)


if __name__ == "__main__":
    main()
