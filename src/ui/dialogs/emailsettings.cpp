#include "emailsettings.h"

#include "dialogparts.h"
#include "simcardframe.h"
#include "userprompt.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr qint16 kDataCallRole = 3;
constexpr int kRecipientLines = 4;
constexpr int kColumnChars = 56; // the width of each column, in average characters

QLineEdit *mailBox(const char *name, UserPrompt &prompt, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    limitLength(box, kMailTextLimit, prompt);
    return box;
}

QGroupBox *frame(const char *name, const QString &title, QWidget *parent)
{
    auto *f = new QGroupBox(title, parent);
    f->setObjectName(QLatin1String(name));
    return f;
}

// The recipients box takes only text: a paste or a drop of anything else
// (a picture, files) inserts nothing.
class RecipientsBox final : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override { return source && source->hasText(); }
    void insertFromMimeData(const QMimeData *source) override
    {
        if (canInsertFromMimeData(source))
            insertPlainText(source->text());
    }
};

} // namespace

EmailSettings::EmailSettings(const SetupRecord &edit, const Presets &presets, UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_record(edit), m_prompt(prompt)
{
    setObjectName(QStringLiteral("EmailSettings"));
    setWindowTitle(tr("Email Settings"));
    for (const Provider &p : presets.providers)
        if (p.mailLoginRequired)
            m_loginServers << p.mailServer;

    // Widgets are made in reading order, which is also the keyboard's order.
    cboInterval = new QComboBox(this);
    cboInterval->setObjectName(QStringLiteral("cboInterval"));
    cboInterval->setEditable(true);
    // The typed text is the interval as it stands: no completion, and the
    // list keeps its nine entries.
    cboInterval->setCompleter(nullptr);
    cboInterval->setInsertPolicy(QComboBox::NoInsert);
    auto *Label6 = namedLabel("Label6", tr("Time interval of email  in hours (required)"), cboInterval, this);
    // A picked entry sets the edit text too, so typing and picking are one.
    connect(cboInterval, &QComboBox::editTextChanged, this, &EmailSettings::intervalChanged);

    Frame1 = buildEmailParameters();
    Frame3 = buildSmtpSettings();
    Frame2 = buildAuthentication();
    Label7 = namedLabel("Label7",
                        tr("(*) These parameters are required by certain providers. Consult with the "
                           "particular provider."),
                        nullptr, this);
    Label7->setWordWrap(true);

    fraGPRS = new SimCardFrame(presets.providers, prompt, this);
    fraGPRS->setObjectName(QStringLiteral("fraGPRS"));
    // Here a provider's mail server goes into this dialog's own box.
    connect(fraGPRS, &SimCardFrame::mailServerAccepted, txtSMTP, &QLineEdit::setText);
    lblInfo = namedLabel("lblInfo", QString(), nullptr, this);
    lblInfo->setWordWrap(true);
    const int columnWidth = fontMetrics().averageCharWidth() * kColumnChars;
    Frame1->setMinimumWidth(columnWidth);
    fraGPRS->setMinimumWidth(columnWidth);

    auto *interval = new QHBoxLayout;
    interval->addWidget(Label6, 1);
    interval->addWidget(cboInterval);
    auto *left = new QVBoxLayout;
    left->addLayout(interval);
    left->addWidget(Frame1);
    left->addWidget(Frame3);
    left->addWidget(Frame2);
    left->addWidget(Label7);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(fraGPRS);
    right->addWidget(lblInfo);
    right->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    QHBoxLayout *buttons = okCancelRow(this, [this] { cmdOKClick(); });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    load();
}

QGroupBox *EmailSettings::buildEmailParameters()
{
    QGroupBox *f = frame("Frame1", tr("Email Parameters"), this);
    txtRecip = new RecipientsBox(f);
    txtRecip->setObjectName(QStringLiteral("txtRecip"));
    txtRecip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtRecip->setTabChangesFocus(true);
    txtRecip->setFixedHeight(txtRecip->fontMetrics().lineSpacing() * kRecipientLines
                             + 2 * (txtRecip->frameWidth() + int(txtRecip->document()->documentMargin())));
    connect(txtRecip, &QPlainTextEdit::textChanged, this, &EmailSettings::txtRecipChange);
    auto *Label4 =
        namedLabel("Label4", tr("Recipients (required). Enter 1 or more items separated by colons (;)."), txtRecip, f);
    Label4->setWordWrap(true);
    txtSender = mailBox("txtSender", m_prompt, f);
    auto *Label5 = namedLabel("Label5", tr("Sender (required)"), txtSender, f);

    auto *layout = new QVBoxLayout(f);
    layout->addWidget(Label4);
    layout->addWidget(txtRecip);
    layout->addWidget(Label5);
    layout->addWidget(txtSender);
    return f;
}

QGroupBox *EmailSettings::buildSmtpSettings()
{
    QGroupBox *f = frame("Frame3", tr("SMTP Settings"), this);
    txtSMTP = mailBox("txtSMTP", m_prompt, f);
    auto *layout = new QVBoxLayout(f);
    layout->addWidget(namedLabel("Label1", tr("Server name (required)"), txtSMTP, f));
    layout->addWidget(txtSMTP);
    return f;
}

QGroupBox *EmailSettings::buildAuthentication()
{
    QGroupBox *f = frame("Frame2", tr("Email account authentication (*)"), this);
    txtUser = mailBox("txtUser", m_prompt, f);
    txtPWD = mailBox("txtPWD", m_prompt, f);
    txtPWD->setEchoMode(QLineEdit::Password);
    auto *layout = new QFormLayout(f);
    layout->addRow(namedLabel("Label2", tr("UserID"), txtUser, f), txtUser);
    layout->addRow(namedLabel("Label3", tr("Password"), txtPWD, f), txtPWD);
    return f;
}

void EmailSettings::load()
{
    cboInterval->addItems(emailIntervalList());
    lblInfo->setText(tr("\n  The SIM card provider settings are required to be able to send email. "));
    m_loaded = emailBoxesOf(m_record);
    fill(m_loaded);
}

void EmailSettings::takeRecord(const SetupRecord &edit)
{
    const EmailBoxes typed = boxes();
    const EmailBoxes fresh = emailBoxesOf(edit);
    EmailBoxes next = fresh;
    // What the user typed stays; every box left as it was follows the record.
    for (QString EmailBoxes::*box :
         {&EmailBoxes::interval, &EmailBoxes::recipients, &EmailBoxes::sender, &EmailBoxes::smtp, &EmailBoxes::user,
          &EmailBoxes::password, &EmailBoxes::apn, &EmailBoxes::gprsUser, &EmailBoxes::gprsPassword}) {
        if (typed.*box != m_loaded.*box)
            next.*box = typed.*box;
    }
    m_record = edit;
    m_loaded = fresh;
    fill(next);
}

void EmailSettings::fill(const EmailBoxes &b)
{
    txtRecip->setPlainText(b.recipients);
    txtUser->setText(b.user);
    // The stored password is never shown; the placeholder is never sent.
    txtPWD->setText(b.password);
    txtSMTP->setText(b.smtp);
    txtSender->setText(b.sender);
    const int entry = cboInterval->findText(b.interval);
    cboInterval->setCurrentIndex(entry);
    if (entry < 0)
        cboInterval->setEditText(b.interval);
    intervalChanged(cboInterval->currentText());
    fraGPRS->setValues(b.apn, b.gprsUser, b.gprsPassword);
    // Only a modem that takes data calls needs its SIM card's access here;
    // the other roles set it on the main window. QDialog centres the window
    // on its owner when it shows.
    const bool simColumn = m_record.Role == kDataCallRole;
    fraGPRS->setVisible(simColumn);
    lblInfo->setVisible(simColumn);
    fitContents();
}

// The e-mail frames and their note show for any interval above 0, typed or
// picked; without them the window shrinks.
void EmailSettings::intervalChanged(const QString &text)
{
    // An interval the modem cannot keep is above 0 too: OK will say so.
    const bool enabled = emailIntervalOfText(text).value_or(1) > 0;
    if (enabled == !Frame1->isHidden())
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{Frame1, Frame2, Frame3, Label7})
        w->setVisible(enabled);
    fitContents();
}

void EmailSettings::fitContents()
{
    // The layout first takes in what was hidden, or its old minimum holds the size.
    layout()->activate();
    adjustSize();
}

void EmailSettings::txtRecipChange()
{
    if (m_cuttingRecipients)
        return;
    if (const std::optional<QString> cut = cutRecipients(txtRecip->toPlainText())) {
        const QScopedValueRollback cutting(m_cuttingRecipients, true);
        txtRecip->setPlainText(*cut);
        m_prompt.beep();
        // Only a cut moves the caret: typing inside the addresses goes on where it is.
        txtRecip->moveCursor(QTextCursor::End);
    }
}

EmailBoxes EmailSettings::boxes() const
{
    return {cboInterval->currentText(),
            txtRecip->toPlainText(),
            txtSender->text(),
            txtSMTP->text(),
            txtUser->text(),
            txtPWD->text(),
            fraGPRS->apn(),
            fraGPRS->user(),
            fraGPRS->password()};
}

void EmailSettings::cmdOKClick()
{
    const EmailBoxes typed = boxes();
    bool apnConfirmed = false;
    for (;;) {
        const EmailCheck check = checkEmail(typed, m_record.Role, m_loginServers, apnConfirmed);
        if (check == EmailCheck::Passed)
            break;
        if (check != EmailCheck::EmptyApn) {
            m_prompt.message(emailCheckText(check));
            return;
        }
        if (!m_prompt.question(emailCheckText(check), UserPrompt::Icon::Information, UserPrompt::Answer::Yes)) {
            fraGPRS->apnBox()->setFocus();
            return;
        }
        apnConfirmed = true;
    }
    storeEmail(m_loaded, typed, m_record);
    m_captions = emailCaptions(m_loaded, typed);
    accept();
}

void EmailSettings::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        m_kept = false;
    QDialog::showEvent(event);
}

void EmailSettings::closeEvent(QCloseEvent *event)
{
    m_kept = true;
    QDialog::closeEvent(event);
}
