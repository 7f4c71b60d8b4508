#include "gui/options/dialogs/TwoToneGrids.h"

#include "core/AppContext.h"
#include "gui/options/dialogs/TwoToneGridDelegate.h"
#include "gui/options/dialogs/TwoToneGridModel.h"
#include "options/TwoToneTable.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace qrt::gui {

namespace {

// Widths of the columns in twips (1/1440 inch); the interval takes the rest.
constexpr int ColumnTwips[] = {500, 1300, 1050, 1300, 1050, 1100};
constexpr int TwipsPerPixel = 15;

QTableView* twoToneView(TwoToneGridModel* model, int grid, const QString& accessibleName, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("vsfgGridTwoTone%1").arg(grid));
    view->setAccessibleName(accessibleName);
    view->setModel(model);
    view->setItemDelegate(new TwoToneGridDelegate(view));
    view->verticalHeader()->hide();
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    view->setTabKeyNavigation(true);
    QHeaderView* header = view->horizontalHeader();
    int width = 0;
    for (int column = 0; column < TwoToneGridModel::Columns; ++column) {
        view->setColumnWidth(column, qMax(ColumnTwips[column] / TwipsPerPixel, header->sectionSizeHint(column)));
        width += view->columnWidth(column);
    }
    // All six columns and eight rows in view, without scroll bars.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setMinimumWidth(width + 2 * view->frameWidth());
    header->setStretchLastSection(true);
    const int rowHeight = view->fontMetrics().height() + 6;
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setMinimumHeight(header->sizeHint().height() + options::TwoToneTable::RowsPerGrid * rowHeight +
                           2 * view->frameWidth());
    return view;
}

} // namespace

TwoToneGrids::TwoToneGrids(options::SettingsModel& settings, const AppContext& context, QWidget* parent)
    : QWidget(parent) {
    const QStringList headers = context.extraText(QStringLiteral("twotone.header")).split(QLatin1Char('|'));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int grid = 0; grid < 2; ++grid) {
        const int first = options::TwoToneTable::codeOf(grid, 1) + 1;
        const QString name = QStringLiteral("%1 %2-%3")
                                 .arg(headers.value(0))
                                 .arg(first)
                                 .arg(first + options::TwoToneTable::RowsPerGrid - 1);
        auto* model = new TwoToneGridModel(settings, grid, headers, this);
        m_views[size_t(grid)] = twoToneView(model, grid, name, this);
        layout->addWidget(m_views[size_t(grid)]);
    }
}

} // namespace qrt::gui
