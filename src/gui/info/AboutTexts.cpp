#include "gui/info/AboutTexts.h"

namespace qrt::gui::info {

AboutTexts aboutTexts(int language, const QString& modelName) {
    switch (language) {
    case 1:
        return {QStringLiteral("关于"),
                modelName + QStringLiteral("系列对讲机编程软件"),
                QStringLiteral("确定"),
                QStringLiteral("用于") + modelName,
                QStringLiteral("版本 1.0"),
                QStringLiteral("发布: 2025年"),
                QString(),
                QStringLiteral("版权所有 © 2025 ") + modelName + QStringLiteral(" 编程软件开发组")};
    case 2:
        return {QStringLiteral("關於"),
                modelName + QStringLiteral("系列對講機編程軟體"),
                QStringLiteral("確定"),
                QStringLiteral("用於") + modelName,
                QStringLiteral("版本 1.0"),
                QStringLiteral("發佈: 2025年"),
                QString(),
                QStringLiteral("版權所有 © 2025 ") + modelName + QStringLiteral(" 編程軟體開發組")};
    default:
        return {QStringLiteral("About"),
                modelName + QStringLiteral(" Radio Programming Software"),
                QStringLiteral("OK"),
                QStringLiteral("For ") + modelName,
                QStringLiteral("Version 1.0"),
                QStringLiteral("Released 2025"),
                QStringLiteral("Programming software for the ") + modelName + QStringLiteral(" handheld FM radio"),
                QStringLiteral("Copyright © 2025 the ") + modelName +
                    QStringLiteral(" programming software developers")};
    }
}

} // namespace qrt::gui::info
