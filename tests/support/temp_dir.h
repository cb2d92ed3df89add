// A fresh directory for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class CTempDir
{
public:
    CTempDir()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("gyrolith-doc-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~CTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The directory as text with a trailing separator.
    std::string Dir() const { return m_path.string() + "/"; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    void Touch(const std::string& name, const std::string& text = "x") const
    {
        std::ofstream(m_path / name) << text;
    }

private:
    std::filesystem::path m_path;
};
