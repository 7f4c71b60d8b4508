#include "gui/comm/RadioSeriesWindow.h"

#include "gui/common/ConfigurationReview.h"

#include "comm/RadioLink.h"
#include "core/AppContext.h"
#include "core/SettingsFile.h"
#include "document/Document.h"
#include "gui/common/UserPrompts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qrt::gui::comm {

using namespace qrt::comm;

namespace {

constexpr int DefaultRadios = 10;
constexpr int DefaultIntervalSeconds = 1;
constexpr int MaxIntervalSeconds = 60;
constexpr int MillisecondsPerSecond = 1000;

// The choices of the last run, remembered in the settings file.
const QString ChoicesSection = QStringLiteral("SeveralRadios");
const QString ReadKey = QStringLiteral("Read");
const QString TimesKey = QStringLiteral("Times");
const QString IntervalKey = QStringLiteral("IntervalTime");
const QString FolderKey = QStringLiteral("Folder");
constexpr int FolderWidth = 1024;

template <class W> W* named(W* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(QString(accessibleName).remove(QLatin1Char('&')));
    return widget;
}

} // namespace

RadioSeriesWindow::RadioSeriesWindow(RadioLink& link, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_link(link), m_prompts(prompts), m_series(link) {
    setObjectName(QStringLiteral("frmSeveralRadios"));
    setWindowTitle(text(TextId::SeveralRadiosTitle));
    setAccessibleName(windowTitle());
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSettingFrame());
    layout->addWidget(buildCommunicationFrame());

    auto* buttons = new QDialogButtonBox(this);
    m_start = named(new QPushButton(extraText("series.start"), this), "cmdStart", extraText("series.start"));
    m_stop = named(new QPushButton(extraText("series.stopButton"), this), "cmdStop", extraText("series.stopButton"));
    m_close = named(new QPushButton(extraText("series.close"), this), "cmdClose", extraText("series.close"));
    buttons->addButton(m_start, QDialogButtonBox::ActionRole);
    buttons->addButton(m_stop, QDialogButtonBox::ActionRole);
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &RadioSeriesWindow::start);
    connect(m_stop, &QPushButton::clicked, &m_series, &RadioSeries::stop);
    connect(m_close, &QPushButton::clicked, this, &RadioSeriesWindow::close);
    layout->addWidget(buttons);

    connect(&m_series, &RadioSeries::statusChanged, m_status, &QLabel::setText);
    connect(&m_series, &RadioSeries::radiosDoneChanged, this,
            [this](int done, int total) { m_count->setText(extraText("series.count").arg(done).arg(total)); });
    connect(&m_series, &RadioSeries::progressChanged, m_progress, &QProgressBar::setValue);
    connect(&m_series, &RadioSeries::logLineAdded, this, [this](const QString& line) {
        m_log->addItem(line);
        m_log->setCurrentRow(m_log->count() - 1);
    });
    connect(&m_series, &RadioSeries::finished, this, &RadioSeriesWindow::finishRun);
    loadChoices();
    showReadOrWrite();
    showRunning(false);
}

RadioSeriesWindow::~RadioSeriesWindow() = default;

QString RadioSeriesWindow::text(TextId index) const {
    return m_link.document().context().text(index);
}

QString RadioSeriesWindow::extraText(const char* key) const {
    return m_link.document().context().extraText(QString::fromLatin1(key));
}

QWidget* RadioSeriesWindow::buildSettingFrame() {
    auto* frame =
        named(new QGroupBox(text(TextId::SeveralRadiosSetting), this), "fraSetting", text(TextId::SeveralRadiosSetting));
    m_settingFrame = frame;
    auto* grid = new QGridLayout(frame);

    m_write = named(new QRadioButton(text(TextId::SeveralRadiosWrite), frame), "optWrite", text(TextId::SeveralRadiosWrite));
    m_read = named(new QRadioButton(text(TextId::SeveralRadiosRead), frame), "optRead", text(TextId::SeveralRadiosRead));
    m_write->setChecked(true);
    connect(m_read, &QRadioButton::toggled, this, &RadioSeriesWindow::showReadOrWrite);
    grid->addWidget(m_write, 0, 0, 1, 2);
    grid->addWidget(m_read, 0, 2, 1, 2);

    m_times = named(new QSpinBox(frame), "txtTimes", text(TextId::SeveralRadiosTimes));
    m_times->setRange(1, RadioSeries::MaxRadios);
    m_times->setValue(DefaultRadios);
    auto* timesLabel = named(new QLabel(text(TextId::SeveralRadiosTimes), frame), "lblTimes", text(TextId::SeveralRadiosTimes));
    timesLabel->setBuddy(m_times);
    grid->addWidget(timesLabel, 1, 0);
    grid->addWidget(m_times, 1, 1);

    m_interval = named(new QSpinBox(frame), "txtInterval", text(TextId::SeveralRadiosInterval));
    m_interval->setRange(1, MaxIntervalSeconds);
    m_interval->setValue(DefaultIntervalSeconds);
    m_interval->setSuffix(QLatin1Char(' ') + extraText("series.seconds"));
    auto* intervalLabel =
        named(new QLabel(text(TextId::SeveralRadiosInterval), frame), "lblInterval", text(TextId::SeveralRadiosInterval));
    intervalLabel->setBuddy(m_interval);
    grid->addWidget(intervalLabel, 1, 2);
    grid->addWidget(m_interval, 1, 3);

    m_folderLabel = named(new QLabel(extraText("series.folder"), frame), "lblFolder", extraText("series.folder"));
    m_folder = named(
        new QLineEdit(QDir::toNativeSeparators(m_link.document().context().appFile(QStringLiteral("Data"))), frame),
        "txtFolder", extraText("series.folder"));
    m_folderLabel->setBuddy(m_folder);
    m_browse = named(new QPushButton(extraText("series.browse"), frame), "cmdBrowse", extraText("series.browse"));
    connect(m_browse, &QPushButton::clicked, this, &RadioSeriesWindow::chooseFolder);
    grid->addWidget(m_folderLabel, 2, 0, 1, 4);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    grid->addLayout(folderRow, 3, 0, 1, 4);

    m_showProgress =
        named(new QCheckBox(text(TextId::SeveralRadiosProgress), frame), "chkShowProgress", text(TextId::SeveralRadiosProgress));
    m_showProgress->setChecked(true);
    grid->addWidget(m_showProgress, 4, 0, 1, 4);
    return frame;
}

QWidget* RadioSeriesWindow::buildCommunicationFrame() {
    auto* frame =
        named(new QGroupBox(text(TextId::CommunicationFrame), this), "fraCommunication", text(TextId::CommunicationFrame));
    auto* layout = new QVBoxLayout(frame);
    // The labels are heard by the text they show.
    m_status = new QLabel(frame);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_count = new QLabel(frame);
    m_count->setObjectName(QStringLiteral("lblCount"));
    m_progress = named(new QProgressBar(frame), "prgCommunicate", text(TextId::CommunicationFrame));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    connect(m_showProgress, &QCheckBox::toggled, m_progress, &QProgressBar::setVisible);
    m_log = named(new QListWidget(frame), "listRadios", extraText("series.log"));
    m_log->setMinimumSize(460, 160);
    layout->addWidget(m_status);
    layout->addWidget(m_count);
    layout->addWidget(m_progress);
    layout->addWidget(m_log);
    return frame;
}

void RadioSeriesWindow::loadChoices() {
    const SettingsFile& settings = m_link.document().context().settings();
    const auto number = [&](const QString& key, int fallback) {
        bool ok = false;
        const int value = settings.read(ChoicesSection, key, QString(), FolderWidth).toInt(&ok);
        return ok ? value : fallback;
    };
    m_read->setChecked(number(ReadKey, 0) == 1);
    m_times->setValue(number(TimesKey, DefaultRadios));
    m_interval->setValue(number(IntervalKey, DefaultIntervalSeconds));
    const QString folder = settings.read(ChoicesSection, FolderKey, QString(), FolderWidth);
    if (!folder.isEmpty())
        m_folder->setText(folder);
}

void RadioSeriesWindow::saveChoices() {
    SettingsFile& settings = m_link.document().context().settings();
    settings.write(ChoicesSection, ReadKey, m_read->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    settings.write(ChoicesSection, TimesKey, QString::number(m_times->value()));
    settings.write(ChoicesSection, IntervalKey, QString::number(m_interval->value()));
    settings.write(ChoicesSection, FolderKey, m_folder->text().trimmed());
}

void RadioSeriesWindow::showReadOrWrite() {
    const bool reading = m_read->isChecked();
    m_folderLabel->setEnabled(reading);
    m_folder->setEnabled(reading);
    m_browse->setEnabled(reading);
}

void RadioSeriesWindow::showRunning(bool running) {
    m_settingFrame->setEnabled(!running);
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    if (running)
        m_stop->setFocus();
    else
        m_start->setFocus();
}

void RadioSeriesWindow::chooseFolder() {
    const QString folder = m_prompts.folderName(this, extraText("series.folder"), m_folder->text());
    if (!folder.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(folder));
}

void RadioSeriesWindow::start() {
    if (m_series.isRunning())
        return;
    RadioSeries::Plan plan;
    plan.kind = m_read->isChecked() ? TransferJob::Read : TransferJob::Write;
    plan.radios = m_times->value();
    plan.intervalMs = m_interval->value() * MillisecondsPerSecond;
    plan.folder = QDir::fromNativeSeparators(m_folder->text().trimmed());
    // The data every radio of a writing run gets is checked once, before the first radio.
    if (plan.kind == TransferJob::Write && !confirmWriteAfterCheck(this, m_link.document(), m_prompts))
        return;
    m_log->clear();
    m_progress->setValue(0);
    const Result started = m_series.start(plan);
    if (started.failed()) {
        m_prompts.inform(this, QMessageBox::Warning, text(TextId::Notice), started.reason());
        return;
    }
    saveChoices();
    showRunning(true);
}

void RadioSeriesWindow::finishRun(RadioSeries::Ending ending) {
    showRunning(false);
    m_progress->setValue(0);
    if (m_closeWhenEnded) {
        QDialog::reject();
        return;
    }
    if (ending != RadioSeries::Ending::Completed && ending != RadioSeries::Ending::Stopped)
        m_prompts.inform(this, QMessageBox::Warning, text(TextId::Notice), m_series.problem());
}

void RadioSeriesWindow::reject() {
    // Escape and the close box while radios are handled stop the run; the window closes
    // when it has ended.
    if (m_series.isRunning()) {
        m_closeWhenEnded = true;
        m_series.stop();
        return;
    }
    QDialog::reject();
}

void RadioSeriesWindow::closeEvent(QCloseEvent* event) {
    if (m_series.isRunning()) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace qrt::gui::comm
