// Tab controls: every page is a panel of its own, addressed by its page index. Hiding a
// page takes it off the tab bar without renumbering the others.
#include "ui/ctrl_factory.h"
#include "ui/panel_frame.h"
#include "ui/ui_qt.h"

#include <QApplication>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>

namespace
{

int CreateTabPage(int panel, int control, const PageDef &page, QTabWidget *tabs, int pageIndex)
{
    PanelRecord &record = AddPanelRecord(panel);
    int handle = record.handle;
    record.isTabPage = true;
    record.tabOwnerPanel = panel;
    record.tabControl = control;
    record.pageIndex = pageIndex;
    auto *widget = new PanelFrame(handle, nullptr);
    record.widget = widget;
    widget->setAccessibleName(QString::fromStdString(page.label));
    tabs->addTab(widget, QString::fromStdString(page.label));
    for (const CtrlDef &def : page.controls)
        CreateCtrl(handle, def);
    return handle;
}

void OnTabChanged(int panel, int control, int newIndex)
{
    CtrlRecord *ctrl = FindCtrl(panel, control);
    if (!ctrl || newIndex < 0)
        return;
    int oldIndex = ctrl->tab.lastIndex;
    ctrl->tab.lastIndex = newIndex;
    if (ctrl->tab.programmatic || oldIndex == newIndex)
        return;
    DispatchCtrlEvent(panel, control, EVENT_ACTIVE_TAB_CHANGE, oldIndex, newIndex);
}

int LookupTab(int panel, int tabControl, CtrlRecord **ctrl, QTabWidget **tabs)
{
    int status = LookupCtrl(panel, tabControl, ctrl);
    if (status < 0)
        return status;
    *tabs = qobject_cast<QTabWidget *>((*ctrl)->widget.data());
    return *tabs ? UIE_OK : UIE_INVALID_CONTROL;
}

int LookupPage(int panel, int tabControl, int pageIndex, CtrlRecord **ctrl, QTabWidget **tabs)
{
    int status = LookupTab(panel, tabControl, ctrl, tabs);
    if (status < 0)
        return status;
    if (pageIndex < 0 || pageIndex >= (*tabs)->count())
        return UIE_INVALID_TAB_PAGE;
    return UIE_OK;
}

// Changes made by the program raise no EVENT_ACTIVE_TAB_CHANGE.
template <typename Change> void ChangeQuietly(CtrlRecord *ctrl, QTabWidget *tabs, Change change)
{
    ctrl->tab.programmatic = true;
    change();
    ctrl->tab.programmatic = false;
    ctrl->tab.lastIndex = tabs->currentIndex();
}

// Tab labels with a narrower margin than the style's own (24 pixels across a label in
// Fusion), so that the main tab control shows all seven page labels side by side, in
// German too, within the width its panel gives it, and never needs scroll arrows.
constexpr int kTabLabelMargin = 16;

class CompactTabStyle : public QProxyStyle
{
  public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return kTabLabelMargin;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// One style for every tab bar; it lives as long as the process, like the application.
QStyle *TabBarStyle()
{
    static QStyle *style = new CompactTabStyle(QApplication::style()->name());
    return style;
}

} // namespace

QWidget *CreateTabWidget(int panel, const CtrlDef &def, QWidget *parent)
{
    auto *tabs = new QTabWidget(parent);
    tabs->tabBar()->setStyle(TabBarStyle());
    int control = def.id;
    CtrlRecord *ctrl = FindCtrl(panel, control);
    for (size_t i = 0; i < def.pages.size(); ++i) {
        int handle = CreateTabPage(panel, control, def.pages[i], tabs, static_cast<int>(i));
        if (ctrl)
            ctrl->tab.pages.push_back(handle);
    }
    tabs->setCurrentIndex(0);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs,
                     [panel, control](int index) { OnTabChanged(panel, control, index); });
    return tabs;
}

int GetPanelHandleFromTabPage(int panel, int tabControl, int pageIndex, int *pageHandle)
{
    CtrlRecord *ctrl = nullptr;
    QTabWidget *tabs = nullptr;
    int status = LookupPage(panel, tabControl, pageIndex, &ctrl, &tabs);
    if (status < 0)
        return status;
    if (!pageHandle)
        return UIE_INVALID_VALUE;
    *pageHandle = ctrl->tab.pages[static_cast<size_t>(pageIndex)];
    return UIE_OK;
}

int GetActiveTabPage(int panel, int tabControl, int *pageIndex)
{
    CtrlRecord *ctrl = nullptr;
    QTabWidget *tabs = nullptr;
    int status = LookupTab(panel, tabControl, &ctrl, &tabs);
    if (status < 0)
        return status;
    if (!pageIndex)
        return UIE_INVALID_VALUE;
    *pageIndex = tabs->currentIndex();
    return UIE_OK;
}

int SetActiveTabPage(int panel, int tabControl, int pageIndex)
{
    CtrlRecord *ctrl = nullptr;
    QTabWidget *tabs = nullptr;
    int status = LookupPage(panel, tabControl, pageIndex, &ctrl, &tabs);
    if (status < 0)
        return status;
    if (!tabs->isTabVisible(pageIndex))
        return UIE_INVALID_TAB_PAGE;
    ChangeQuietly(ctrl, tabs, [tabs, pageIndex] { tabs->setCurrentIndex(pageIndex); });
    return UIE_OK;
}

int SetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, int value)
{
    CtrlRecord *ctrl = nullptr;
    QTabWidget *tabs = nullptr;
    int status = LookupPage(panel, tabControl, pageIndex, &ctrl, &tabs);
    if (status < 0)
        return status;
    if (attribute != ATTR_VISIBLE)
        return UIE_INVALID_ATTRIBUTE;
    ChangeQuietly(ctrl, tabs, [tabs, pageIndex, value] { tabs->setTabVisible(pageIndex, value != 0); });
    return UIE_OK;
}

int GetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, int *value)
{
    CtrlRecord *ctrl = nullptr;
    QTabWidget *tabs = nullptr;
    int status = LookupPage(panel, tabControl, pageIndex, &ctrl, &tabs);
    if (status < 0)
        return status;
    if (attribute != ATTR_VISIBLE)
        return UIE_INVALID_ATTRIBUTE;
    if (!value)
        return UIE_INVALID_VALUE;
    *value = tabs->isTabVisible(pageIndex) ? 1 : 0;
    return UIE_OK;
}

int SetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, const char *value)
{
    CtrlRecord *ctrl = nullptr;
    QTabWidget *tabs = nullptr;
    int status = LookupPage(panel, tabControl, pageIndex, &ctrl, &tabs);
    if (status < 0)
        return status;
    if (attribute != ATTR_LABEL_TEXT)
        return UIE_INVALID_ATTRIBUTE;
    if (!value)
        return UIE_INVALID_VALUE;
    // The page's accessible name is its tab text, in the language shown.
    QString label = QString::fromUtf8(value);
    tabs->setTabText(pageIndex, label);
    if (QWidget *page = tabs->widget(pageIndex))
        page->setAccessibleName(label);
    return UIE_OK;
}

int GetTabPageAttribute(int panel, int tabControl, int pageIndex, int attribute, char *value, int size)
{
    CtrlRecord *ctrl = nullptr;
    QTabWidget *tabs = nullptr;
    int status = LookupPage(panel, tabControl, pageIndex, &ctrl, &tabs);
    if (status < 0)
        return status;
    if (attribute != ATTR_LABEL_TEXT)
        return UIE_INVALID_ATTRIBUTE;
    return CopyTextOut(tabs->tabText(pageIndex), value, size);
}
