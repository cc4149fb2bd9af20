#ifndef WQ_TESTS_FILES_TEMPFOLDER_H
#define WQ_TESTS_FILES_TEMPFOLDER_H

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

// A new empty folder for one test, removed with everything in it (read-only
// entries included) when the object goes.
class TempFolder {
public:
#ifdef _WIN32
    static constexpr char SEPARATOR = '\\';
#else
    static constexpr char SEPARATOR = '/';
#endif

    // Under the system's temporary folder, or under `parent`.
    TempFolder() : TempFolder(std::filesystem::temp_directory_path().string()) {}

    explicit TempFolder(const std::string& parent)
    {
        static std::atomic<unsigned> serial{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        std::string base = parent;
        if (!base.empty() && base.back() != SEPARATOR && base.back() != '/')
            base += SEPARATOR;
        for (unsigned attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const std::string candidate = base + "wqt-" + std::to_string(stamp % 1000000007) + "-"
                + std::to_string(serial++);
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error))
                m_path = candidate;
        }
        if (m_path.empty())
            ADD_FAILURE() << "cannot create a temporary folder under " << parent;
    }

    ~TempFolder()
    {
        if (m_path.empty())
            return;
        std::error_code error;
        // Read-only entries could not be removed otherwise on Windows.
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_path, error);
        if (error || std::filesystem::exists(m_path))
            ADD_FAILURE() << "temporary folder left behind: " << m_path;
    }

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    // The path of `name` inside the folder.
    std::string operator/(const std::string& name) const { return m_path + SEPARATOR + name; }

    // Creates (or replaces) a file inside the folder with exactly `bytes`.
    std::string write(const std::string& name, const std::string& bytes) const
    {
        const std::string file = *this / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(out.good()) << "cannot write " << file;
        return file;
    }

    // The whole contents of a file inside the folder ("" when missing).
    std::string read(const std::string& name) const { return readFile(*this / name); }

    static std::string readFile(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string m_path;
};

#endif
