// The main window.
#include "document/main_frame.h"

#include "editing/editing_icons.h"
#include "printing/network_printing.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace
{
// Toolbars in the order they stand side by side.
constexpr EToolBar ToolBarOrder[] = {EToolBar::Main, EToolBar::Zoom, EToolBar::Routes,
                                     EToolBar::Network, EToolBar::Flow};

// Icons where the platform's style has a fitting one; the other buttons show their text.
QIcon StandardIcon(ECommand command, const QStyle& style)
{
    switch (command) {
    case ECommand::FileNew:
        return style.standardIcon(QStyle::SP_FileIcon);
    case ECommand::FileOpen:
        return style.standardIcon(QStyle::SP_DialogOpenButton);
    case ECommand::FileSave:
        return style.standardIcon(QStyle::SP_DialogSaveButton);
    default:
        // Network view editing
        return EditingIcon(command);
    }
}

// A toolbar button's text: the menu text without its shortcut and mnemonic.
QString ButtonText(const QString& menuText)
{
    QString text = menuText.section(u'\t', 0, 0);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    if (text.endsWith(QStringLiteral("...")))
        text.chop(3);
    return text;
}
} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this))
{
    setObjectName("MainFrame");
    setWindowTitle("Gyrolith");
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    setAcceptDrops(true);
    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
}

void CMainFrame::CreateActions()
{
    for (const CCommandInfo& info : Commands()) {
        auto* action = new QAction(QString::fromUtf8(info.text), this);
        action->setShortcuts(info.keys);
        action->setCheckable(info.checkable);
        action->setIcon(StandardIcon(info.command, *style()));
        action->setIconText(info.buttonText ? QString::fromUtf8(info.buttonText)
                                            : ButtonText(action->text()));
        action->setToolTip(ButtonText(action->text()));
        const ECommand command = info.command;
        connect(action, &QAction::triggered, this,
                [this, command] { emit commandTriggered(command); });
        m_actions[command] = action;
    }
}

QAction* CMainFrame::Add(QMenu* menu, ECommand command)
{
    QAction* action = m_actions.at(command);
    menu->addAction(action);
    return action;
}

void CMainFrame::CreateMenus()
{
    m_fileMenu = menuBar()->addMenu("&File");
    for (ECommand c : {ECommand::FileNew, ECommand::FileOpen, ECommand::FileClose,
                       ECommand::FileSave, ECommand::FileSaveAs})
        Add(m_fileMenu, c);
    m_fileMenu->addSeparator();
    Add(m_fileMenu, ECommand::NetworkDiagramDxfExport);
    m_fileMenu->addSeparator();
    // Printing
    Add(m_fileMenu, ECommand::Print);
    Add(m_fileMenu, ECommand::PrintPreview);
    Add(m_fileMenu, ECommand::PrintSetup);
    Add(m_fileMenu, ECommand::DraftPrintEntireNetwork)
        ->setStatusTip(QString::fromUtf8(CNetworkPrinting::DraftPrintStatusText));
    m_fileMenu->addSeparator();
    m_recentEnd = m_fileMenu->addSeparator();
    Add(m_fileMenu, ECommand::Exit);
    SetRecentFiles({});

    QMenu* edit = menuBar()->addMenu("&Edit");
    Add(edit, ECommand::Undo);
    Add(edit, ECommand::Redo);
    edit->addSeparator();
    Add(edit, ECommand::CopyDiagramToClipboard);

    QMenu* view = menuBar()->addMenu("&View");
    QMenu* toolBars = view->addMenu("&Toolbars");
    connect(toolBars, &QMenu::aboutToShow, this, [this, toolBars] {
        toolBars->clear();
        for (EToolBar bar : ToolBarOrder)
            toolBars->addAction(m_toolBars.at(bar)->toggleViewAction());
    });
    QAction* statusBarShown = view->addAction("&Status Bar");
    statusBarShown->setCheckable(true);
    statusBarShown->setChecked(true);
    connect(statusBarShown, &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });
    view->addSeparator();
    for (ECommand c :
         {ECommand::ShowNetworkView, ECommand::ShowTrafficFlowsView, ECommand::ReportBuilder})
        Add(view, c);
    view->addSeparator();
    for (ECommand c : {ECommand::ZoomIn, ECommand::ZoomOut, ECommand::ZoomToFit, ECommand::ZoomMax,
                       ECommand::ZoomMin})
        Add(view, c);
    view->addSeparator();
    for (ECommand c : {ECommand::DisplayGrid, ECommand::SnapToGrid, ECommand::ShowODMatrix,
                       ECommand::HighlightFilteredRoutes})
        Add(view, c);

    QMenu* network = menuBar()->addMenu("&Network");
    network->setObjectName("NetworkMenu");
    Add(network, ECommand::EditProjectInformation);
    Add(network, ECommand::EditNetworkGraphicsSettings);
    // Network view editing
    network->addSeparator();
    for (ECommand c : {ECommand::AddArm, ECommand::AddZone, ECommand::AddLabel,
                       ECommand::AddCapacityAssessor})
        Add(network, c);

    QMenu* routes = menuBar()->addMenu("&Routes");
    Add(routes, ECommand::BuildRoutes);
    Add(routes, ECommand::AutomaticallyRebuildRoutes);
    routes->addSeparator();
    for (ECommand c : {ECommand::BalanceLaneFlowsOnAllEntryArms,
                       ECommand::MakeCircularRoutesNonPermitted, ECommand::DeleteAllRoutes,
                       ECommand::DeleteSelectedRoute})
        Add(routes, c);
    // Network view editing: beside its sibling for all entry arms
    routes->insertAction(m_actions.at(ECommand::BalanceLaneFlowsOnAllEntryArms),
                         m_actions.at(ECommand::BalanceLaneFlowsOnSelectedArm));

    QMenu* options = menuBar()->addMenu("&Options");
    for (ECommand c :
         {ECommand::ProgramOptions, ECommand::DefaultOptions, ECommand::GraphicsOptions})
        Add(options, c);

    m_windowMenu = menuBar()->addMenu("&Window");
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::RefreshWindowMenu);
    RefreshWindowMenu();
    connect(m_actions.at(ECommand::WindowCascade), &QAction::triggered, m_mdiArea,
            &QMdiArea::cascadeSubWindows);
    connect(m_actions.at(ECommand::WindowTile), &QAction::triggered, m_mdiArea,
            &QMdiArea::tileSubWindows);

    QMenu* help = menuBar()->addMenu("&Help");
    Add(help, ECommand::CheckForProgramUpdates);
    help->addSeparator();
    Add(help, ECommand::About);
}

void CMainFrame::RefreshWindowMenu()
{
    m_windowMenu->clear();
    Add(m_windowMenu, ECommand::WindowCascade);
    Add(m_windowMenu, ECommand::WindowTile);
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (!windows.isEmpty())
        m_windowMenu->addSeparator();
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QString title = window->windowTitle().replace(QStringLiteral("[*]"), QString());
        title.replace(u'&', QStringLiteral("&&"));
        QAction* item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(title));
        item->setCheckable(true);
        item->setChecked(window == m_mdiArea->activeSubWindow());
        connect(item, &QAction::triggered, m_mdiArea,
                [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void CMainFrame::CreateToolBars()
{
    for (EToolBar bar : ToolBarOrder) {
        auto* toolBar = new QToolBar(ToolBarTitle(bar), this);
        // The layout is saved by object name.
        toolBar->setObjectName(ToolBarTitle(bar));
        toolBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        toolBar->setToolButtonStyle(Qt::ToolButtonFollowStyle);
        for (const CCommandInfo& info : Commands())
            if (info.toolBar == bar)
                toolBar->addAction(m_actions.at(info.command));
        addToolBar(Qt::TopToolBarArea, toolBar);
        m_toolBars[bar] = toolBar;
    }
}

void CMainFrame::CreateStatusBar()
{
    const std::pair<int, int> panes[] = {{StatusPaneFlowGroup, FlowGroupPaneWidth},
                                         {StatusPaneArms, CountPaneWidth},
                                         {StatusPaneZones, CountPaneWidth}};
    for (const auto& [id, width] : panes) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::number(id));
        label->setFixedWidth(width);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(label);
        m_panes[id] = label;
    }
    statusBar()->showMessage("Ready");
}

void CMainFrame::ApplyCommandState(ECommand command, const CCommandState& state)
{
    QAction* action = m_actions.at(command);
    action->setEnabled(state.enabled);
    if (action->isCheckable())
        action->setChecked(state.checked);
    if (action->text() != state.text) {
        // The button keeps its short text; the tooltip says what Undo or Redo would do.
        action->setText(state.text);
        action->setToolTip(ButtonText(state.text));
    }
}

QString CMainFrame::RecentFileText(std::size_t index, const std::string& path)
{
    QString shown = QString::fromStdString(path);
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void CMainFrame::SetRecentFiles(const std::vector<std::string>& paths)
{
    for (QAction* action : m_recentActions)
        delete action;
    m_recentActions.clear();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        auto* action = new QAction(RecentFileText(i, paths[i]), this);
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, this,
                [this, index] { emit recentFileTriggered(index); });
        m_fileMenu->insertAction(m_recentEnd, action);
        m_recentActions.push_back(action);
    }
    m_recentEnd->setVisible(!m_recentActions.empty());
}

void CMainFrame::SetPaneText(int paneId, const std::string& text)
{
    const auto it = m_panes.find(paneId);
    if (it == m_panes.end())
        return;
    m_paneTexts[paneId] = QString::fromStdString(text);
    it->second->setText(m_paneTexts[paneId]);
}

QString CMainFrame::GetPaneText(int paneId) const
{
    const auto it = m_paneTexts.find(paneId);
    return it == m_paneTexts.end() ? QString() : it->second;
}

bool CMainFrame::SaveBarState(CSettingsStore& store) const
{
    return store.WriteProfileString(ToolBarSection, ToolBarStateKey,
                                    saveState().toBase64().toStdString());
}

void CMainFrame::LoadBarState(const CSettingsStore& store)
{
    const std::string stored = store.GetProfileString(ToolBarSection, ToolBarStateKey, {});
    if (stored.empty())
        return;
    const auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(stored),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (decoded)
        restoreState(*decoded);
}

QStringList CMainFrame::NetworkFilesOf(const QList<QUrl>& urls)
{
    QStringList files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (path.endsWith(QStringLiteral(".crs"), Qt::CaseInsensitive) && QFileInfo(path).isFile())
            files.push_back(path);
    }
    return files;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeHandler && !m_closeHandler()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && !NetworkFilesOf(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList files = NetworkFilesOf(event->mimeData()->urls());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // One network is open at a time: the first file dropped is the one opened.
    emit networkFileDropped(files.front());
}
