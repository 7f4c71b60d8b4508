#include "print/ChannelSheet.h"

#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "document/Document.h"
#include "options/SettingsModel.h"
#include "print/SettingsSheetPages.h"

#include <QDir>
#include <QTextDocument>
#include <QTextOption>

namespace qrt::print {

namespace {


constexpr double TenHertzPerMHz = 100000.0;

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString cell(const QString& tag, const QString& text, const QString& style = QString()) {
    const QString open = style.isEmpty() ? tag : tag + QStringLiteral(" style=\"") + style + QLatin1Char('"');
    return QLatin1Char('<') + open + QLatin1Char('>') + escaped(text) + QStringLiteral("</") + tag + QLatin1Char('>');
}

QString heading(const QString& text, bool newPage) {
    return cell(QStringLiteral("h2"), text, newPage ? QStringLiteral("page-break-before: always") : QString());
}

QString fieldRow(const QString& caption, const QString& value, bool enabled = true) {
    const QString style = enabled ? QString() : QStringLiteral("color: #808080");
    return QStringLiteral("<tr>") + cell(QStringLiteral("td"), caption, style) +
           cell(QStringLiteral("td"), value, style) + QStringLiteral("</tr>");
}

QString fieldTable(const QString& rows) {
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">") + rows +
           QStringLiteral("</table>");
}

QString megahertz(qint32 value) {
    return QString::number(value / TenHertzPerMHz, 'f', 5);
}

QString cover(Document& document, const QDateTime& printedAt) {
    const AppContext& context = document.context();
    const band::Limits limits = document.bandLimits();
    // A custom band's caption does not tell its limits.
    QString band = document.bandCaption();
    if (!band.contains(QLatin1String("MHz")))
        band += QStringLiteral(" (%1 - %2 MHz)").arg(megahertz(limits.min), megahertz(limits.max));
    QString rows = fieldRow(context.text(TextId::ModelType), document.modelList().value(document.modelPosition())) +
                   fieldRow(context.text(TextId::Frequency), band) +
                   fieldRow(context.text(TextId::FileName), QDir::toNativeSeparators(document.currentFilePath())) +
                   fieldRow(context.extraText(QStringLiteral("print.date")),
                            printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return cell(QStringLiteral("h1"), context.text(TextId::ProgramTitle)) + fieldTable(rows);
}

QString valueOf(const options::Control& control, const AppContext& context) {
    switch (control.kind) {
    case options::ControlKind::Check:
        return context.text(control.checked ? TextId::PrintOn : TextId::PrintOff);
    case options::ControlKind::Text:
        return control.text;
    case options::ControlKind::List:
    case options::ControlKind::KeyList:
        return control.itemText();
    case options::ControlKind::Button:
    case options::ControlKind::Grid:
        break;
    }
    return QString();
}

QString settingsPages(Document& document, bool newPage) {
    const AppContext& context = document.context();
    const options::SettingsModel& settings = document.settings();
    QString html = heading(context.text(TextId::PrintRadioSettings), newPage);
    for (const SettingsSheetPage& page : settingsSheetPages()) {
        QString rows;
        for (const QString& name : page.controls) {
            const options::Control* control = settings.control(name);
            if (control && control->visible)
                rows += fieldRow(settings.undoTextOf(name), valueOf(*control, context), control->enabled);
        }
        html += cell(QStringLiteral("h3"), context.text(textIdAt(page.caption)).trimmed()) + fieldTable(rows);
    }
    return html;
}

QString channelTable(Document& document, bool newPage) {
    const channels::ChannelTableModel& table = document.channelModel();
    QList<int> columns;
    for (int c = 1; c <= table.columnCount(); ++c) {
        if (c != channels::ChannelTableModel::NameColumn)
            columns << c;
    }
    QString header = cell(QStringLiteral("th"), table.cornerCaption());
    for (int c : std::as_const(columns))
        header += cell(QStringLiteral("th"), table.columnCaption(c));
    QString rows = QStringLiteral("<thead><tr>") + header + QStringLiteral("</tr></thead>");
    for (int n = 1; n <= table.channelCount(); ++n) {
        rows += QStringLiteral("<tr>") + cell(QStringLiteral("td"), table.rowLabel(n));
        for (int c : std::as_const(columns))
            rows += cell(QStringLiteral("td"), table.cellText(n, c));
        rows += QStringLiteral("</tr>");
    }
    // 99%: the columns' widths are rounded up one by one and must still fit.
    return heading(document.context().text(TextId::PrintChannels), newPage) +
           QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" width=\"99%\" "
                          "style=\"font-size: 6.5pt\" align=\"center\">") +
           rows + QStringLiteral("</table>");
}

} // namespace

bool SheetItems::parse(const QString& list, SheetItems* items) {
    SheetItems chosen{false, false, false};
    const QStringList words = list.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        const QString item = word.trimmed();
        if (item == QLatin1String("cover"))
            chosen.cover = true;
        else if (item == QLatin1String("settings"))
            chosen.settings = true;
        else if (item == QLatin1String("channels"))
            chosen.channels = true;
        else
            return false;
    }
    if (!chosen.any())
        return false;
    *items = chosen;
    return true;
}

QString channelSheetHtml(Document& document, const SheetItems& items, const QDateTime& printedAt) {
    QString html = QStringLiteral("<html><body>");
    bool first = true;
    if (items.cover) {
        html += cover(document, printedAt);
        first = false;
    }
    if (items.settings) {
        html += settingsPages(document, !first);
        first = false;
    }
    if (items.channels)
        html += channelTable(document, !first);
    return html + QStringLiteral("</body></html>");
}

std::unique_ptr<QTextDocument> channelSheet(Document& document, const SheetItems& items, const QDateTime& printedAt) {
    auto sheet = std::make_unique<QTextDocument>();
    QFont font = sheet->defaultFont();
    font.setPointSizeF(9);
    sheet->setDefaultFont(font);
    // A long file name breaks where it must rather than stick out of the page.
    QTextOption wrapping = sheet->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    sheet->setDefaultTextOption(wrapping);
    sheet->setHtml(channelSheetHtml(document, items, printedAt));
    return sheet;
}

} // namespace qrt::print
