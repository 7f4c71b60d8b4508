#include "options/SettingsModel.h"

#include "core/ErrorLog.h"
#include "core/InterfaceTexts.h"
#include "core/RadioImage.h"
#include "core/SettingsFile.h"
#include "options/FieldCodec.h"

#include <cmath>

namespace qrt::options {

namespace {

constexpr int VoxDefaults[10] = {170, 155, 140, 125, 110, 95, 80, 65, 50, 35};
constexpr int MaxSerialNumbers = 10000;
constexpr int SerialValueWidth = 100;
constexpr int NewCodePositions[6] = {5, 6, 7, 11, 12, 13};

QString voxName(int level) {
    return QStringLiteral("cboVoxCmpDat") + QString::number(level);
}

// Captions of the controls that are not fields of the image.
int captionOfOtherControl(const QString& name) {
    static const QHash<QString, int> captions = {
        {QStringLiteral("chkNewRdWrCode"), indexOf(TextId::NewProgramCode)},
        {QStringLiteral("txtNewRdWrCode"), indexOf(TextId::NewProgramCodeBox)},
        {QStringLiteral("cboImportSeq"), indexOf(TextId::ImportSerialNumbers)},
        {QStringLiteral("chkAutoNextSn"), indexOf(TextId::AutoNextSerial)},
    };
    return captions.value(name, -1);
}

// The row of a numbered control: "txtAutoMem3" is row 4.
QString rowNumberOf(const QString& name) {
    qsizetype digits = name.size();
    while (digits > 0 && name.at(digits - 1).isDigit())
        --digits;
    return QString::number(name.mid(digits).toInt() + 1);
}

} // namespace

QString SettingsModel::undoTextOf(const QString& name) const {
    const FieldDesc* f = findField(name);
    const int caption = f ? f->caption : captionOfOtherControl(name);
    QString text = caption >= 0 ? m_texts.text(textIdAt(caption)).trimmed() : QString();
    if (f && f->encoding == Encoding::VoxCompare)
        text += QLatin1Char(' ') + QString::number(f->param) + m_texts.text(TextId::LevelUnit);
    else if (f && (f->encoding == Encoding::RadioIdDigit ||
                   (f->encoding == Encoding::DtmfText && f->caption == indexOf(TextId::AutodialList))))
        text += QLatin1Char(' ') + rowNumberOf(name);
    return text;
}

namespace {} // namespace

SettingsModel::SettingsModel(RadioImage& image, const InterfaceTexts& texts, ErrorLog* log, QObject* parent)
    : UserEditNotifier(parent), m_image(image), m_texts(texts), m_log(log), m_newCodeBlock(NewCodeSize, '\0') {
    for (int p : NewCodePositions)
        m_newCodeBlock[p] = char(0xFF);
    for (const FieldDesc& f : settingsFields()) {
        if (f.kind == ControlKind::Grid)
            continue;
        Control c;
        c.name = QString::fromLatin1(f.name);
        c.kind = f.kind;
        c.visible = !f.hidden;
        if (f.kind == ControlKind::Text)
            c.maxLength = f.count;
        addControl(std::move(c));
    }
    m_refreshedCount = int(m_controls.size());
    ctl(QStringLiteral("txtInfo2")).visible = false;
    ctl(QStringLiteral("cboDtmfCloseSort")).enabled = false;

    addControl({.name = QStringLiteral("chkNewRdWrCode"), .kind = ControlKind::Check});
    addControl({.name = QStringLiteral("txtNewRdWrCode"), .kind = ControlKind::Text, .maxLength = 3, .visible = false});
    addControl({.name = QStringLiteral("cboImportSeq"), .kind = ControlKind::List});
    addControl({.name = QStringLiteral("chkAutoNextSn"), .kind = ControlKind::Check, .visible = false});
    addControl({.name = QStringLiteral("cmdSeqSwitch0"), .kind = ControlKind::Button, .visible = false});
    addControl({.name = QStringLiteral("cmdSeqSwitch1"), .kind = ControlKind::Button, .visible = false});
    addControl({.name = QStringLiteral("txtSeqExample"),
                .kind = ControlKind::Text,
                .text = QStringLiteral("SN Example:\r\n[SerialNo]\r\n1=SN First\r\n2=SN Second\r\n3=SN Third\r\n"),
                .visible = false,
                .readOnly = true});
}

void SettingsModel::addControl(Control c) {
    m_index.insert(c.name, int(m_controls.size()));
    m_controls.push_back(std::move(c));
}

Control* SettingsModel::find(const QString& name) {
    const auto it = m_index.constFind(name);
    return it == m_index.constEnd() ? nullptr : &m_controls[size_t(*it)];
}

Control& SettingsModel::ctl(const QString& name) {
    Control* c = find(name);
    Q_ASSERT(c);
    return *c;
}

const Control* SettingsModel::control(const QString& name) const {
    const auto it = m_index.constFind(name);
    return it == m_index.constEnd() ? nullptr : &m_controls[size_t(*it)];
}

QStringList SettingsModel::refreshedNames() const {
    QStringList names;
    for (int i = 0; i < m_refreshedCount; ++i)
        names << m_controls[size_t(i)].name;
    return names;
}

QStringList SettingsModel::names() const {
    QStringList names;
    for (const Control& c : m_controls)
        names << c.name;
    return names;
}

void SettingsModel::changed(Control& c) {
    Q_EMIT controlChanged(c.name);
}

QString SettingsModel::voxCompareToolTip(int value) {
    return QString::number(std::lround(value / 255.0 * 3300)) + QStringLiteral("mv");
}

// ---- refresh ----

void SettingsModel::refreshFromImage() {
    for (const FieldDesc& f : settingsFields())
        refreshField(f);
    applyDependentStates();
    Q_EMIT refreshed();
}

void SettingsModel::refreshField(const FieldDesc& f) {
    switch (f.kind) {
    case ControlKind::Grid:
        m_twoTone.refresh(m_image);
        Q_EMIT twoToneChanged();
        return;
    case ControlKind::Check: {
        Control& c = ctl(QString::fromLatin1(f.name));
        c.checked = codec::readItem(f, m_image) != 0;
        changed(c);
        return;
    }
    case ControlKind::Text:
        refreshText(f, ctl(QString::fromLatin1(f.name)));
        return;
    default:
        refreshList(f, ctl(QString::fromLatin1(f.name)));
        return;
    }
}

void SettingsModel::refreshList(const FieldDesc& f, Control& c) {
    if (f.encoding == Encoding::VoxCompare && f.param == 1 && m_image.at(addr::VoxCompareMark) != ValidMark)
        restoreVoxCompareDefaults();
    if (!f.fixedList || c.items.isEmpty()) {
        c.items = listItems(f, codec::storedValue(f, m_image));
        c.item = -1;
    }
    selectListItem(f, c, codec::readItem(f, m_image));
}

QStringList SettingsModel::listItems(const FieldDesc& f, int storedValue) {
    if (m_builtListsLanguage != m_texts.language()) {
        m_builtLists.clear();
        m_builtListsLanguage = m_texts.language();
    }
    const QPair<quintptr, int> key(reinterpret_cast<quintptr>(f.list), f.listFollowsValue ? storedValue : 0);
    auto built = m_builtLists.find(key);
    if (built == m_builtLists.end())
        built = m_builtLists.insert(key, f.list(m_texts, storedValue));
    return *built;
}

// Selecting an item runs the list's handler, which stores the item's canonical value; a
// fixed list runs it only when its item changes.
void SettingsModel::selectListItem(const FieldDesc& f, Control& c, int item) {
    if (f.fixedList && c.item == item)
        return;
    c.item = item;
    codec::writeItem(f, item, m_image);
    if (f.encoding == Encoding::VoxCompare)
        c.toolTip = voxCompareToolTip(item);
    changed(c);
}

void SettingsModel::refreshText(const FieldDesc& f, Control& c) {
    const QString shown = codec::readText(f, m_image);
    if (shown != c.text)
        applyText(f, c, shown);
}

void SettingsModel::applyText(const FieldDesc& f, Control& c, const QString& text) {
    const QString filtered = codec::filterText(f, c.maxLength > 0 ? text.left(c.maxLength) : text);
    codec::writeText(f, filtered, m_image, m_log);
    // Message and program code boxes show again what the radio will hold.
    c.text = (f.encoding == Encoding::Message || f.encoding == Encoding::ProgramCode) ? codec::readText(f, m_image)
                                                                                      : filtered;
    changed(c);
    applyEnableRulesOf(c.name);
}

void SettingsModel::setEnabled(const QString& name, bool on) {
    Control& c = ctl(name);
    if (c.enabled == on)
        return;
    c.enabled = on;
    changed(c);
}

void SettingsModel::setVisible(const QString& name, bool on) {
    Control& c = ctl(name);
    if (c.visible == on)
        return;
    c.visible = on;
    changed(c);
}

void SettingsModel::applyDependentStates() {
    for (const FieldDesc& f : settingsFields())
        if (f.enabledWhen.source)
            applyEnabledWhen(f);
}

void SettingsModel::applyEnableRulesOf(const QString& source) {
    for (const FieldDesc& f : settingsFields())
        if (f.enabledWhen.source && source == QLatin1String(f.enabledWhen.source))
            applyEnabledWhen(f);
}

void SettingsModel::applyEnabledWhen(const FieldDesc& f) {
    setEnabled(QString::fromLatin1(f.name), isEnabledBy(f.enabledWhen, ctl(QString::fromLatin1(f.enabledWhen.source))));
}

void SettingsModel::repairVoxCompare() {
    const int first = ctl(voxName(1)).item, last = ctl(voxName(10)).item;
    if (first < 20 || last > 180)
        restoreVoxCompareDefaults();
}

void SettingsModel::pressVoxCompareDefault() {
    const UserEditScope edit(this, QStringLiteral("cmdVoxCmpDefault"), m_texts.text(TextId::VoxCompare));
    restoreVoxCompareDefaults();
}

void SettingsModel::restoreVoxCompareDefaults() {
    for (int k = 1; k <= 10; ++k) {
        const FieldDesc* f = findField(voxName(k));
        Control& c = ctl(voxName(k));
        if (c.items.isEmpty())
            c.items = listItems(*f, 0);
        selectListItem(*f, c, VoxDefaults[k - 1]);
        // A list already showing its default runs no handler, but the image may hold
        // another value (a new file opened since): the defaults are always stored.
        codec::writeItem(*f, VoxDefaults[k - 1], m_image);
    }
    m_image.set(addr::VoxCompareMark, ValidMark);
}

// ---- user changes ----

bool SettingsModel::selectItem(const QString& name, int item) {
    const UserEditScope edit(this, name, undoTextOf(name));
    Control* c = find(name);
    if (!c || (c->kind != ControlKind::List && c->kind != ControlKind::KeyList) || item < 0 || item >= c->items.size())
        return false;
    if (name == QLatin1String("cboImportSeq")) {
        c->item = item;
        changed(*c);
        setText(QStringLiteral("txtInfo1"), m_serialValues.value(item).left(ctl(QStringLiteral("txtInfo1")).maxLength));
        return true;
    }
    const FieldDesc* f = findField(name);
    if (!f)
        return false;
    if (f->kind == ControlKind::KeyList) {
        // The marks are re-set by the handler itself; a click meanwhile is ignored.
        if (m_keyListBusy)
            return true;
        m_keyListBusy = true;
        c->item = item;
        codec::writeItem(*f, item, m_image);
        changed(*c);
        m_keyListBusy = false;
        return true;
    }
    c->item = item;
    codec::writeItem(*f, item, m_image);
    if (f->encoding == Encoding::VoxCompare)
        c->toolTip = voxCompareToolTip(item);
    changed(*c);
    afterUserChange(name);
    return true;
}

bool SettingsModel::setChecked(const QString& name, bool on) {
    const UserEditScope edit(this, name, undoTextOf(name));
    Control* c = find(name);
    if (!c || c->kind != ControlKind::Check)
        return false;
    if (c->checked == on)
        return true;
    c->checked = on;
    if (const FieldDesc* f = findField(name))
        codec::writeItem(*f, on ? 1 : 0, m_image);
    changed(*c);
    afterUserChange(name);
    return true;
}

bool SettingsModel::setText(const QString& name, const QString& text) {
    const UserEditScope edit(this, name, undoTextOf(name));
    Control* c = find(name);
    if (!c || c->kind != ControlKind::Text || c->readOnly)
        return false;
    if (c->text == text)
        return true;
    if (name == QLatin1String("txtNewRdWrCode")) {
        const QByteArray six = codec::programCodeBytes(text.left(c->maxLength));
        for (int i = 0; i < 6; ++i)
            m_newCodeBlock[NewCodePositions[i]] = six.at(i);
        c->text = codec::programCodeText(six);
        changed(*c);
        return true;
    }
    const FieldDesc* f = findField(name);
    if (!f)
        return false;
    applyText(*f, *c, text);
    afterUserChange(name);
    return true;
}

void SettingsModel::afterUserChange(const QString& name) {
    const Control& c = ctl(name);
    if (name == QLatin1String("chkTxEndTone")) {
        setChecked(QStringLiteral("chkMoniTxEndTone"), c.checked);
    } else if (name == QLatin1String("cboCodeContiTime")) {
        if (ctl(QStringLiteral("cboCodeSpaceTime")).item >= 0)
            selectItem(QStringLiteral("cboCodeSpaceTime"), c.item);
    } else if (name == QLatin1String("txtInfo1") || name == QLatin1String("txtInfo2")) {
        showInfoTexts();
    } else if (name == QLatin1String("chkNewRdWrCode")) {
        setVisible(QStringLiteral("txtNewRdWrCode"), c.checked);
    }
    applyEnableRulesOf(name);
}

void SettingsModel::showInfoTexts() {
    for (const char* name : {"txtInfo1", "txtInfo2"}) {
        Control& c = ctl(QString::fromLatin1(name));
        const QString shown = codec::readText(*findField(c.name), m_image);
        if (shown != c.text) {
            c.text = shown;
            changed(c);
        }
    }
}

bool SettingsModel::editTwoTone(int code, int column, const QString& text) {
    const UserEditScope edit(this, QStringLiteral("vsfgTwoTone%1.%2").arg(code).arg(column),
                             m_texts.text(TextId::TwoTone));
    if (!m_twoTone.edit(m_image, code, column, text))
        return false;
    Q_EMIT twoToneChanged();
    return true;
}

// ---- serial numbers ----

int SettingsModel::importSerialNumbers(const QString& path) {
    const UserEditScope edit(this, QString(), m_texts.text(TextId::ImportSerialNumbers));
    Control& list = ctl(QStringLiteral("cboImportSeq"));
    const bool hadSelection = list.item >= 0;
    list.items.clear();
    list.item = -1;
    m_serialValues.clear();
    const SettingsFile file(path);
    m_serialImportStatus = file.status();
    for (int n = 1; n <= MaxSerialNumbers; ++n) {
        const QString value =
            file.read(QStringLiteral("SerialNo"), QString::number(n), QString(), SerialValueWidth).trimmed();
        if (value.isEmpty())
            break;
        m_serialValues << value;
        list.items << QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')) + QStringLiteral(" -- ") + value;
    }
    changed(list);
    const bool any = !m_serialValues.isEmpty();
    if (any)
        selectItem(list.name, 0);
    setVisible(QStringLiteral("cmdSeqSwitch0"), any);
    setVisible(QStringLiteral("cmdSeqSwitch1"), any);
    setVisible(QStringLiteral("chkAutoNextSn"), any);
    if (any)
        setVisible(QStringLiteral("txtSeqExample"), false);
    else if (!hadSelection)
        setVisible(QStringLiteral("txtSeqExample"), true);
    return int(m_serialValues.size());
}

void SettingsModel::stepSerialNumber(int step) {
    const UserEditScope edit(this, QStringLiteral("cboImportSeq"), m_texts.text(TextId::ImportSerialNumbers));
    const Control& list = ctl(QStringLiteral("cboImportSeq"));
    const int count = int(list.items.size());
    if (count == 0)
        return;
    const bool roomThatWay = step < 0 ? list.item > 0 : list.item < count - 1;
    if (roomThatWay)
        selectItem(list.name, list.item + step);
}

} // namespace qrt::options
