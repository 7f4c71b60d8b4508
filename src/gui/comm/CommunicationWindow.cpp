#include "gui/comm/CommunicationWindow.h"

#include "comm/DocumentTransfer.h"
#include "comm/PortMap.h"
#include "comm/RadioLink.h"
#include "comm/RadioTransfer.h"
#include "core/AppContext.h"
#include "core/ProgramSettings.h"
#include "document/Document.h"
#include "gui/comm/SignalLamp.h"
#include "gui/common/ConfigurationReview.h"
#include "gui/common/ScreenPlacement.h"
#include "gui/common/UserPrompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace qrt::gui::comm {

using namespace qrt::comm;

namespace {

// The engineering frames are not translated.
struct AddressBoxDef {
    CommAddresses::Box box;
    const char* name;
    const char* labelName;
    const char* caption;
    const char* unitName;
};
const AddressBoxDef AddressBoxes[] = {
    {CommAddresses::MaxAddr, "txtMaxAddr", "lblMaxAddr", "Grid Max Addr", "lblAddrUnit"},
    {CommAddresses::ReadStart, "txtReadStartAddr", "lblReadStartAddr", "Read Start Addr", "Label1"},
    {CommAddresses::ReadEnd, "txtReadEndAddr", "lblReadEndAddr", "Read End Addr", "Label2"},
    {CommAddresses::WriteStart, "txtWriteStartAddr", "lblWriteStartAddr", "Write Start Addr", "Label3"},
    {CommAddresses::WriteEnd, "txtWriteEndAddr", "lblWriteEndAddr", "Write End Addr", "Label4"},
};
// The settings keep at most 13 characters of an address.
constexpr int AddressMaxLength = 13;
// Every tenth double-click from the sixth on switches the engineering frames.
constexpr int GestureCycle = 10;
constexpr int GestureCount = 6;

template <class W> W* named(W* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

CommunicationWindow::CommunicationWindow(RadioLink& link, UserPrompts& prompts, TransferJob::Kind kind, QWidget* parent)
    : QDialog(parent), m_link(link), m_prompts(prompts), m_kind(kind) {
    setObjectName(QStringLiteral("frmCommun"));
    setWindowTitle(text(TextId::CommunicationTitle));
    setAccessibleName(windowTitle());
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* fraMain = new QFrame(this);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    outer->addWidget(fraMain);
    auto* frames = new QVBoxLayout(fraMain);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(buildTopFrame());
    frames->addWidget(buildAddressFrame());
    frames->addWidget(buildLogFrame());
    showEngineering(false);
    connectTransfer();
}

CommunicationWindow::~CommunicationWindow() {
    // A window is closed only when its operation has ended; this is for a window destroyed
    // with its program while one runs.
    if (m_running)
        m_link.setOperationRunning(false);
}

QString CommunicationWindow::text(TextId id) const {
    return m_link.document().context().text(id);
}

QWidget* CommunicationWindow::buildTopFrame() {
    m_top = named(new QGroupBox(text(TextId::CommunicationFrame), this), "fraOne", text(TextId::CommunicationFrame));
    m_top->installEventFilter(this);
    auto* grid = new QGridLayout(m_top);

    m_read = named(new QPushButton(text(TextId::ReadButton), m_top), "cmdRead", QString());
    m_write = named(new QPushButton(text(TextId::WriteButton), m_top), "cmdWrite", QString());
    for (QPushButton* button : {m_read, m_write}) {
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
        connect(button, &QPushButton::clicked, this, &CommunicationWindow::startOperation);
    }
    m_read->setVisible(m_kind == TransferJob::Read);
    m_write->setVisible(m_kind == TransferJob::Write);
    QPushButton* button = m_kind == TransferJob::Read ? m_read : m_write;
    button->setDefault(true);
    grid->addWidget(m_read, 0, 0);
    grid->addWidget(m_write, 0, 0);

    const QString stopCaption = m_link.document().context().extraText(QStringLiteral("comm.stop"));
    m_stop = named(new QCheckBox(stopCaption, m_top), "chkStopCom", stopCaption);
    m_stop->hide();
    connect(m_stop, &QCheckBox::toggled, this,
            [this](bool on) { m_link.transferThread().transfer().setStopRequested(on); });
    grid->addWidget(m_stop, 0, 1);

    m_lamp = new SignalLamp(m_top);
    m_lamp->setObjectName(QStringLiteral("lamp"));
    grid->addWidget(m_lamp, 0, 2, Qt::AlignRight);

    m_progress = named(new QProgressBar(m_top), "prgCommunicate", text(TextId::CommunicationFrame));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setMinimumWidth(360);
    grid->addWidget(m_progress, 1, 0, 1, 3);

    // The status and percent labels are heard by the text they show.
    m_status = new QLabel(m_top);
    m_status->setObjectName(QStringLiteral("lblComStatus"));
    QPalette red = m_status->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_status->setPalette(red);
    m_status->setWordWrap(true);
    grid->addWidget(m_status, 2, 0, 1, 2);
    m_percent = new QLabel(m_top);
    m_percent->setObjectName(QStringLiteral("lblComPercent"));
    grid->addWidget(m_percent, 2, 2, Qt::AlignRight);

    AppContext& context = m_link.document().context();
    const QString verifyCaption = context.extraText(QStringLiteral("verify.checkBox"));
    m_verify = named(new QCheckBox(verifyCaption, m_top), "chkVerifyAfterWrite", verifyCaption);
    m_verify->setChecked(verifyAfterWrite(context.settings()));
    m_verify->setVisible(m_kind == TransferJob::Write);
    connect(m_verify, &QCheckBox::toggled, this,
            [this](bool on) { setVerifyAfterWrite(m_link.document().context().settings(), on); });
    grid->addWidget(m_verify, 3, 0, 1, 3);
    return m_top;
}

QWidget* CommunicationWindow::buildAddressFrame() {
    m_addressFrame =
        named(new QGroupBox(QStringLiteral("Read Write Data"), this), "fraRdWrDat", QStringLiteral("Read Write Data"));
    auto* grid = new QGridLayout(m_addressFrame);
    m_notShowCourse = named(new QCheckBox(QStringLiteral("Not Show Course"), m_addressFrame), "chkNotShowProg",
                            QStringLiteral("Not Show Course"));
    m_notShowCourse->setChecked(true);
    connect(m_notShowCourse, &QCheckBox::toggled, this,
            [this](bool on) { m_link.transferThread().transfer().setShowBytes(!on); });
    m_showMemory = named(new QCheckBox(QStringLiteral("Show Memory Data"), m_addressFrame), "chkShowMemDat",
                         QStringLiteral("Show Memory Data"));
    grid->addWidget(m_notShowCourse, 0, 0, 1, 3);
    grid->addWidget(m_showMemory, 0, 3, 1, 3);

    int slot = 0;
    for (const AddressBoxDef& def : AddressBoxes) {
        const QString caption = QString::fromLatin1(def.caption);
        auto* box = named(new QLineEdit(m_link.addresses().text(def.box), m_addressFrame), def.name, caption);
        box->setMaxLength(AddressMaxLength);
        auto* label = named(new QLabel(caption, m_addressFrame), def.labelName, caption);
        label->setBuddy(box);
        auto* unit = named(new QLabel(QStringLiteral("H"), m_addressFrame), def.unitName, QStringLiteral("H"));
        const int row = 1 + slot / 2, column = (slot % 2) * 3;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        grid->addWidget(unit, row, column + 2);
        connect(box, &QLineEdit::textEdited, this,
                [this, which = def.box](const QString& t) { m_link.changeAddress(which, t); });
        m_addressBoxes[size_t(def.box)] = box;
        // The highest address stands alone on its row, the ranges in pairs below it.
        slot += def.box == CommAddresses::MaxAddr ? 2 : 1;
    }
    return m_addressFrame;
}

QWidget* CommunicationWindow::buildLogFrame() {
    m_logFrame = named(new QGroupBox(QStringLiteral("Communication Data"), this), "fraTwo",
                       QStringLiteral("Communication Data"));
    auto* layout = new QVBoxLayout(m_logFrame);
    m_log = named(new QListWidget(m_logFrame), "listRtData", QStringLiteral("Communication Data"));
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_log->setUniformItemSizes(true);
    m_log->setMinimumHeight(300);
    layout->addWidget(m_log);
    return m_logFrame;
}

void CommunicationWindow::connectTransfer() {
    RadioTransfer& transfer = m_link.transferThread().transfer();
    // Only the operation this window started is shown.
    const auto whileRunning = [this](auto apply) {
        return [this, apply](auto&&... args) {
            if (m_running)
                apply(args...);
        };
    };
    connect(&transfer, &RadioTransfer::progressChanged, this,
            whileRunning([this](int percent) { m_progress->setValue(percent); }));
    connect(&transfer, &RadioTransfer::statusChanged, this,
            whileRunning([this](const QString& status) { m_status->setText(status); }));
    connect(&transfer, &RadioTransfer::stopBoxShown, this, whileRunning([this](bool shown) {
        if (!shown)
            m_stop->setChecked(false);
        m_stop->setVisible(shown);
    }));
    connect(&transfer, &RadioTransfer::lampChanged, this,
            whileRunning([this](bool blinking) { m_lamp->setBlinking(blinking); }));
    connect(&transfer, &RadioTransfer::logCleared, this, whileRunning([this] { m_log->clear(); }));
    connect(&transfer, &RadioTransfer::logLineAdded, this, whileRunning([this](int index, const QString& line) {
        m_log->insertItem(index, line);
        m_log->setCurrentRow(index);
    }));
    connect(&transfer, &RadioTransfer::finished, this,
            whileRunning([this](const TransferOutcome& outcome) { finishOperation(outcome); }));
}

void CommunicationWindow::startOperation() {
    if (m_running || m_link.operationRunning())
        return;
    if (m_kind == TransferJob::Write && !confirmWriteAfterCheck(this, m_link.document(), m_prompts))
        return;
    m_job = m_link.prepareJob(m_kind, !m_notShowCourse->isChecked());

    QPushButton* button = m_kind == TransferJob::Read ? m_read : m_write;
    QPushButton* other = m_kind == TransferJob::Read ? m_write : m_read;
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    QFont normal = other->font();
    normal.setBold(false);
    other->setFont(normal);
    button->setEnabled(false);
    m_verify->setEnabled(false);
    m_running = true;
    m_link.setOperationRunning(true);
    if (m_kind == TransferJob::Write && m_showMemory->isChecked())
        Q_EMIT m_link.memoryViewRefreshRequested();
    m_link.transferThread().start(m_job);
}

void CommunicationWindow::finishOperation(const TransferOutcome& outcome) {
    m_running = false;
    m_link.setOperationRunning(false);
    m_lamp->setBlinking(false);
    m_read->setEnabled(true);
    m_write->setEnabled(true);
    m_verify->setEnabled(true);
    QWidget* frame = parentWidget() ? parentWidget() : this;
    if (outcome.portOpenFailed) {
        // The user may choose another port; the window stays for the next try.
        m_link.choosePort();
        m_link.port().logOpenFailure(outcome.portError);
        m_status->setText(portmap::openFailureText(m_link.document().context().extraTexts(), m_job.portNumber,
                                                   m_job.device, outcome.portError, outcome.portErrorDetail));
        Q_EMIT operationFinished(outcome);
        return;
    }
    if (outcome.result == TransferResult::BadRange) {
        // Nothing was sent. The window stays open, so that the addresses can be mended.
        showRangeFailure(*frame);
        Q_EMIT operationFinished(outcome);
        return;
    }
    for (const Result& problem : outcome.problems)
        m_prompts.inform(frame, QMessageBox::Warning, text(TextId::Notice), problem.reason());
    if (!m_keepsProgramData) {
        const auto backup = applyTransferOutcome(m_link.document(), m_job, outcome);
        if (backup && backup->status.failed())
            m_prompts.inform(frame, QMessageBox::Warning, text(TextId::Notice),
                             m_link.document()
                                 .context()
                                 .extraText(QStringLiteral("backup.failed"))
                                 .arg(QDir::toNativeSeparators(backup->path), backup->status.reason()));
    }
    if (m_kind == TransferJob::Read && outcome.result == TransferResult::Ok && m_showMemory->isChecked() &&
        !m_keepsProgramData)
        Q_EMIT m_link.memoryViewRefreshRequested();
    Q_EMIT operationFinished(outcome);
    // A write whose read back differs: the window stays with the failure in its status.
    if (outcome.result == TransferResult::VerifyFailed) {
        m_status->setText(m_link.document().context().extraText(QStringLiteral("verify.failedStatus")));
        return;
    }
    accept();
}

void CommunicationWindow::showRangeFailure(QWidget& frame) {
    const AppContext& context = m_link.document().context();
    m_status->setText(m_kind == TransferJob::Read ? text(TextId::ReadFailed)
                                                  : context.extraText(QStringLiteral("comm.writeFailed")));
    const QString lastAddress = QString::number(m_job.image.size() - 1, 16).toUpper();
    m_prompts.inform(&frame, QMessageBox::Warning, text(TextId::Notice),
                     context.extraText(QStringLiteral("comm.rangeNotSendable")).arg(lastAddress));
}

bool CommunicationWindow::engineeringShown() const {
    return !m_logFrame->isHidden();
}

void CommunicationWindow::showEngineering(bool shown) {
    m_addressFrame->setVisible(shown);
    m_logFrame->setVisible(shown);
    // The window takes the height of what it shows at once, and grown it stays on the screen.
    m_addressFrame->parentWidget()->layout()->activate();
    layout()->activate();
    if (isVisible())
        keepOnScreen(*this);
}

void CommunicationWindow::countFrameDoubleClick() {
    int& count = m_link.frameDoubleClicks();
    ++count;
    if (count % GestureCycle == GestureCount)
        showEngineering(!engineeringShown());
}

bool CommunicationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_top && event->type() == QEvent::MouseButtonDblClick)
        countFrameDoubleClick();
    return QDialog::eventFilter(watched, event);
}

void CommunicationWindow::reject() {
    if (m_running) {
        m_progress->setValue(0);
        m_status->clear();
        return;
    }
    QDialog::reject();
}

void CommunicationWindow::closeEvent(QCloseEvent* event) {
    if (m_running) {
        event->ignore();
        m_progress->setValue(0);
        m_status->clear();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace qrt::gui::comm
