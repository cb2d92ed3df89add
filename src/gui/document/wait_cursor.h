// The wait cursor over long work.
#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

// Shown from construction to destruction, where there is a screen to show it on (a core
// application, as in a command-line run, has no cursor).
class CWaitCursor
{
public:
    CWaitCursor() : m_shown(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_shown)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~CWaitCursor()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
    }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    bool m_shown;
};
