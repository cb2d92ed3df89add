// The program's main window: menus, toolbars, status bar and the area the windows live in.
#pragma once

#include "document/command_state.h"
#include "document/command_table.h"
#include "document/document_view.h"
#include "settings/settings_store.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// Holds the command actions of the table (what runs them is the application's), the recent
// files of the File menu, the five dockable toolbars along the top or bottom and the status
// bar's message pane and three document panes, "Current FlowGroup" (250 pixels), "Num Arms"
// and "Num Zones" (80 each), which show the last text the document sent for 33915, 33916 and
// 33917. Network files dropped on it are handed on; closing it asks the close handler first.
class CMainFrame : public QMainWindow, public CStatusPaneSink
{
    Q_OBJECT
public:
    static constexpr const char* ToolBarSection = "Toolbars\\Settings";
    static constexpr const char* ToolBarStateKey = "State";
    static constexpr int FlowGroupPaneWidth = 250;
    static constexpr int CountPaneWidth = 80;

    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* GetMdiArea() const { return m_mdiArea; }
    QAction* GetAction(ECommand command) const { return m_actions.at(command); }
    void ApplyCommandState(ECommand command, const CCommandState& state);
    QToolBar* GetToolBar(EToolBar toolBar) const { return m_toolBars.at(toolBar); }

    // Newest first; each shows as "&1 path" with any "&" of the path doubled.
    void SetRecentFiles(const std::vector<std::string>& paths);
    static QString RecentFileText(std::size_t index, const std::string& path);
    const std::vector<QAction*>& GetRecentFileActions() const { return m_recentActions; }

    // CStatusPaneSink: the three document panes; other ids are ignored.
    void SetPaneText(int paneId, const std::string& text) override;
    QString GetPaneText(int paneId) const;

    // Where the toolbars stand and which are shown, under "Toolbars\Settings". A stored layout
    // that does not read back leaves the toolbars as they are.
    bool SaveBarState(CSettingsStore& store) const;
    void LoadBarState(const CSettingsStore& store);

    // Asked before the window closes; false keeps it open.
    void SetCloseHandler(std::function<bool()> handler) { m_closeHandler = std::move(handler); }
    // The network files among dropped URLs (local files ending in .crs, any case).
    static QStringList NetworkFilesOf(const QList<QUrl>& urls);

signals:
    void commandTriggered(ECommand command);
    void recentFileTriggered(int index);
    void networkFileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    QAction* Add(QMenu* menu, ECommand command);
    void RefreshWindowMenu();

    QMdiArea* m_mdiArea;
    std::map<ECommand, QAction*> m_actions;
    std::map<EToolBar, QToolBar*> m_toolBars;
    QMenu* m_fileMenu = nullptr;
    // The separator between the recent files and Exit; hidden with no recent files.
    QAction* m_recentEnd = nullptr;
    std::vector<QAction*> m_recentActions;
    QMenu* m_windowMenu = nullptr;
    std::map<int, QLabel*> m_panes;
    std::map<int, QString> m_paneTexts;
    std::function<bool()> m_closeHandler;
};
