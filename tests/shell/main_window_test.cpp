// The main window as an operator and a screen reader meet it, in English and German:
// every page label of the main tab control readable at the default window size (the
// window saved as a PNG file of each language beside the test program), and every
// drop-down list named by its label with its current entry as its value.
#include "shell_test_env.h"

#include "app/app_state.h"
#include "resource/panel_ids.h"
#include "support/ui_actions.h"
#include "toolbox/panel_image.h"
#include "ui/ui_qt.h"
#include "ui/userint.h"

#include <QAccessible>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace
{

struct LanguageCase {
    int language;
    const char *fileSuffix;
    const char *recorderTab; // shows that the language's labels are on the tabs
};
const LanguageCase kLanguages[] = {{LANGUAGE_ENGLISH, "en", "Record"}, {LANGUAGE_GERMAN, "de", "Aufz."}};

void ChooseLanguage(int language)
{
    ASSERT_TRUE(SelectTab(g_app.mainPanel, MAINP_TAB, PAGE_CONNECTION));
    ASSERT_TRUE(CommitRing(ConnPageHandle(), TABCONN_LANGUAGE, language));
}

QWidget *Widget(int panel, int control)
{
    CtrlRecord *ctrl = FindCtrl(panel, control);
    return ctrl ? ctrl->widget.data() : nullptr;
}

QTabBar *MainTabBar()
{
    auto *tabs = qobject_cast<QTabWidget *>(Widget(g_app.mainPanel, MAINP_TAB));
    return tabs ? tabs->tabBar() : nullptr;
}

std::string WindowPicturePath(const char *suffix)
{
    return std::string(CHROMIX_BIN_DIR) + "/../tests/main_window_" + suffix + ".png";
}

struct ComboCase {
    int page;
    int control;
    const char *englishName;
    const char *germanName;
    const char *value; // the same in both languages
};
const ComboCase kCombos[] = {
    {PAGE_CONNECTION, TABCONN_PROTOCOL, "PROTOCOL", "PROTOKOLL", "TCP/IP"},
    {PAGE_CONNECTION, TABCONN_IPADDRESS, "IP ADDRESS", "IP ADRESSE", "127.0.0.1"},
    {PAGE_PARAMETERS_1, TABPARA1_GAIN, "GAIN", "VERSTAERKUNG", "AMP5"},
};

QString AccessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(kind) : QString("(no accessible interface)");
}

QString CurrentEntry(QComboBox *combo)
{
    return combo->isEditable() ? combo->lineEdit()->text() : combo->currentText();
}

} // namespace

class MainWindowTest : public OfflineProgram
{
};

TEST_F(MainWindowTest, AllSevenPageLabelsAreReadableInBothLanguages)
{
    SetTabPageAttribute(g_app.mainPanel, MAINP_TAB, PAGE_OFFSET, ATTR_VISIBLE, 1);
    for (const LanguageCase &language : kLanguages) {
        SCOPED_TRACE(language.fileSuffix);
        ChooseLanguage(language.language);
        QTabBar *bar = MainTabBar();
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(bar->count(), MAIN_TAB_PAGE_COUNT);
        EXPECT_EQ(bar->tabText(PAGE_RECORDER).toStdString(), language.recorderTab);
        for (int page = 0; page < MAIN_TAB_PAGE_COUNT; ++page) {
            QRect tab = bar->tabRect(page);
            EXPECT_TRUE(bar->rect().contains(tab)) << bar->tabText(page).toStdString();
            EXPECT_GE(tab.width(), bar->fontMetrics().horizontalAdvance(bar->tabText(page)))
                << bar->tabText(page).toStdString();
        }
        for (QToolButton *arrow : bar->findChildren<QToolButton *>())
            EXPECT_FALSE(arrow->isVisible()) << "the tab bar scrolls";

        std::string picture = WindowPicturePath(language.fileSuffix);
        ASSERT_GE(SavePanelDisplayToFile(g_app.mainPanel, picture.c_str()), 0) << picture;
        QImage saved(QString::fromStdString(picture));
        EXPECT_EQ(saved.size(),
                  QSize(PanelInt(g_app.mainPanel, ATTR_WIDTH), PanelInt(g_app.mainPanel, ATTR_HEIGHT)));
    }
}

TEST_F(MainWindowTest, DropDownListsAreNamedByTheirLabelWithTheirEntryAsValue)
{
    for (const LanguageCase &language : kLanguages) {
        SCOPED_TRACE(language.fileSuffix);
        ChooseLanguage(language.language);
        for (const ComboCase &combo : kCombos) {
            QWidget *widget = Widget(g_app.mainPages[combo.page], combo.control);
            ASSERT_NE(qobject_cast<QComboBox *>(widget), nullptr) << combo.englishName;
            EXPECT_EQ(AccessibleText(widget, QAccessible::Name).toStdString(),
                      language.language == LANGUAGE_GERMAN ? combo.germanName : combo.englishName);
            EXPECT_EQ(AccessibleText(widget, QAccessible::Value).toStdString(), combo.value)
                << combo.englishName;
        }
        // Every drop-down list of the window: its name is the one the panels give it.
        for (QComboBox *combo : PanelWidget(g_app.mainPanel)->findChildren<QComboBox *>()) {
            EXPECT_FALSE(combo->accessibleName().isEmpty()) << CurrentEntry(combo).toStdString();
            EXPECT_EQ(AccessibleText(combo, QAccessible::Name), combo->accessibleName())
                << CurrentEntry(combo).toStdString();
            EXPECT_EQ(AccessibleText(combo, QAccessible::Value), CurrentEntry(combo));
        }
    }
}
