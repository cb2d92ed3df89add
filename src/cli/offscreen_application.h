// Qt lays text out and prints only inside an application object; gyrolith-cli never needs a
// display for that.
#pragma once

#include <QApplication>
#include <optional>

class COffscreenApplication
{
public:
    COffscreenApplication()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application.emplace(m_argc, m_argv);
    }

private:
    int m_argc = 1;
    char m_name[13] = "gyrolith-cli";
    char* m_argv[2] = {m_name, nullptr};
    std::optional<QApplication> m_application;
};
