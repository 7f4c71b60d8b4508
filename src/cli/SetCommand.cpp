#include "cli/ChannelAssignment.h"
#include "cli/CommandContext.h"
#include "cli/StartedProgram.h"
#include "options/PttIdPauseDialogModel.h"
#include "options/VolumeDialogModel.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace qrt::cli {

namespace {

using options::Control;
using options::ControlKind;

// Item of a list from a value: its exact item text, else "#n" or n as the item number.
int itemOf(const Control& c, const QString& value) {
    const int byText = int(c.items.indexOf(value));
    if (byText >= 0)
        return byText;
    bool ok = false;
    const int number = (value.startsWith(QLatin1Char('#')) ? value.mid(1) : value).toInt(&ok);
    return ok && number >= 0 && number < c.items.size() ? number : -1;
}

bool checkStateOf(const QString& value, bool* on) {
    if (value != QLatin1String("0") && value != QLatin1String("1"))
        return false;
    *on = value == QLatin1String("1");
    return true;
}

// The changes of one run, applied one after another as a user makes them.
class Changer {
public:
    Changer(StartedProgram& program, QTextStream& err)
        : m_program(program), m_err(err), m_volume(program.document().volumeDialog()),
          m_pause(program.document().pttIdPauseDialog()) {
        reopenDialogs();
    }

    // The dialogs show the image as it is when they open; a channel command or other
    // data may have changed it since.
    void reopenDialogs() {
        m_volume.open();
        m_pause.open();
    }

    bool apply(const QString& name, const QString& value) {
        options::SettingsModel& settings = m_program.settings();
        if (const Control* c = settings.control(name)) {
            if (!usable(*c))
                return false;
            return applyTo(
                *c, value, [&](int item) { return settings.selectItem(name, item); },
                [&](bool on) { return settings.setChecked(name, on); },
                [&](const QString& text) { return settings.setText(name, text); });
        }
        if (const Control* c = m_volume.control(name)) {
            const int step = name.mid(int(qstrlen("cboVolumeDat"))).toInt();
            return applyTo(
                *c, value, [&](int item) { return m_volume.selectStep(step, item); },
                [&](bool on) {
                    m_volume.setUseThisSet(on);
                    return true;
                },
                nullptr);
        }
        if (const Control* c = m_pause.control(name)) {
            const int index = name.mid(int(qstrlen("chkPttIdPauseChSet"))).toInt();
            return applyTo(
                *c, value, nullptr, [&](bool on) { return m_pause.setChecked(index, on); }, nullptr);
        }
        m_err << "Unknown option: " << name << '\n';
        return false;
    }

private:
    bool usable(const Control& c) {
        if (c.kind == ControlKind::Button || c.kind == ControlKind::Grid || c.readOnly) {
            m_err << c.name << " does not take a value.\n";
            return false;
        }
        if (!c.visible) {
            m_err << c.name << " is not shown, so it cannot be changed.\n";
            return false;
        }
        if (!c.enabled) {
            m_err << c.name << " is disabled by the other settings, so it cannot be changed.\n";
            return false;
        }
        return true;
    }

    template <typename Select, typename Check, typename Text>
    bool applyTo(const Control& c, const QString& value, Select select, Check check, Text text) {
        switch (c.kind) {
        case ControlKind::List:
        case ControlKind::KeyList: {
            const int item = itemOf(c, value);
            if (item < 0) {
                m_err << c.name << " has no item \"" << value << "\" (items 0.." << c.items.size() - 1
                      << ", or an item's exact text).\n";
                return false;
            }
            if constexpr (!std::is_same_v<Select, std::nullptr_t>)
                return select(item);
            return false;
        }
        case ControlKind::Check: {
            bool on = false;
            if (!checkStateOf(value, &on)) {
                m_err << c.name << " takes 0 or 1, not \"" << value << "\".\n";
                return false;
            }
            if constexpr (!std::is_same_v<Check, std::nullptr_t>)
                return check(on);
            return false;
        }
        case ControlKind::Text:
            if (c.maxLength > 0 && value.size() > c.maxLength) {
                m_err << c.name << " holds at most " << c.maxLength << " characters.\n";
                return false;
            }
            if constexpr (!std::is_same_v<Text, std::nullptr_t>)
                return text(value);
            return false;
        default:
            return false;
        }
    }

    StartedProgram& m_program;
    QTextStream& m_err;
    options::VolumeDialogModel& m_volume;
    options::PttIdPauseDialogModel& m_pause;
};

} // namespace

// One argument of set: a channel assignment, or an option's NAME=VALUE.
struct Assignment {
    std::optional<ChannelAssignment> channel;
    QString name;
    QString value;
};

int setCommand(CommandContext& c) {
    const QString output = c.parser.value(QStringLiteral("output"));
    if (c.args.size() < 2 || output.isEmpty()) {
        c.err << "set takes one data file, one or more assignments and -o OUT.\n";
        return ExitUsage;
    }
    QList<Assignment> assignments;
    for (const QString& arg : c.args.mid(1)) {
        QString error;
        if (std::optional<ChannelAssignment> channel = parseChannelAssignment(arg, &error)) {
            assignments.append({channel, QString(), QString()});
            continue;
        }
        if (!error.isEmpty()) {
            c.err << error << '\n';
            return ExitUsage;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            c.err << "Not a NAME=VALUE change or a channel assignment: " << arg << '\n';
            return ExitUsage;
        }
        assignments.append({std::nullopt, arg.left(eq), arg.mid(eq + 1)});
    }
    StartedProgram program(c.appDir, c.language, c.err);
    if (!program.open(c.args.first()))
        return ExitIo;
    Changer changer(program, c.err);
    ChannelAssigner channels(program, c.err);
    for (const Assignment& a : assignments) {
        if (!a.channel) {
            if (!changer.apply(a.name, a.value))
                return ExitUsage;
            continue;
        }
        switch (channels.apply(*a.channel)) {
        case ChannelAssigner::Applied:
            changer.reopenDialogs();
            break;
        case ChannelAssigner::Refused:
            return ExitUsage;
        case ChannelAssigner::FileFailed:
            return ExitIo;
        }
    }
    return program.saveAs(output) ? ExitOk : ExitIo;
}

} // namespace qrt::cli
