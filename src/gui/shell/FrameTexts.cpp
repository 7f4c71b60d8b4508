#include "gui/shell/FrameTexts.h"

#include <QRegularExpression>

namespace qrt::gui {

namespace extratext {

namespace {

struct Wording {
    const char* simplified;
    const char* traditional;
    const char* english;
};

QString pick(int language, const Wording& wording) {
    switch (language) {
    case 1:
        return QString::fromUtf8(wording.simplified);
    case 2:
        return QString::fromUtf8(wording.traditional);
    default:
        return QString::fromUtf8(wording.english);
    }
}

} // namespace

QString editMenu(int language) {
    return pick(language, {"编辑(&E)", "編輯(&E)", "&Edit"});
}

QString undo(int language) {
    return pick(language, {"撤销", "復原", "Undo"});
}

QString redo(int language) {
    return pick(language, {"重做", "取消復原", "Redo"});
}

QString openOddFileQuestion(int language, const QString& fileName, const QString& reason) {
    const QString question = pick(language, {"文件 %1 看起来不是对讲机数据（%2）。仍要打开吗?",
                                             "檔案 %1 看起來不是對講機資料（%2）。仍要打開嗎?",
                                             "The file %1 does not look like radio data (%2). Open it anyway?"});
    return question.arg(fileName, reason);
}

} // namespace extratext

QString withoutAccessKey(const QString& caption) {
    static const QRegularExpression bracketedKey(QStringLiteral("\\(&.\\)"));
    QString text = caption;
    text.remove(bracketedKey);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.trimmed();
}

} // namespace qrt::gui
