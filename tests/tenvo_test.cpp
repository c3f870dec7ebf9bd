// SPDX-License-Identifier: MIT
// tenvo run as a process: its command line, and the sample tour's folder, pictures and output.
#include "run_process.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using tenvo::Finished;

// tenvo without a display, or any session: what a fresh server or CI machine offers.
Finished Tenvo(const std::string& args) {
    return tenvo::Run("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "
                      "TMPDIR=" +
                      testing::TempDir() + " " TENVO_PATH " " + args);
}

const char* const kPictures[] = {"1-title.png",  "2-main.png",       "3-odds.png",
                                 "4-result.png", "5-stakes.png",     "6-profits.png",
                                 "7-budget.png", "8-stakes-14pt.png"};

TEST(Tenvo, CommandLine) {
    const struct {
        const char* args;
        int status;
        const char* out; // its start
        const char* err;
    } rows[] = {
        {"--help", 0, "Usage: tenvo [--sample-tour DIR]\n", ""},
        {"-h", 0, "Usage: tenvo", ""},
        {"--version", 0, "tenvo 1.", ""},
        {"-platform offscreen -reverse --version", 0, "tenvo 1.", ""}, // Qt's own options
        {"--bogus", 2, "",
         "tenvo: Unknown option 'bogus'.\nTry 'tenvo --help' for more information.\n"},
        {"extra", 2, "",
         "tenvo: unexpected argument 'extra'\nTry 'tenvo --help' for more information.\n"},
        {"--sample-tour", 2, "", "tenvo: Missing value after '--sample-tour'.\n"},
    };
    for (const auto& row : rows) {
        const Finished run = Tenvo(row.args);
        EXPECT_EQ(run.status, row.status) << row.args;
        EXPECT_EQ(run.out.substr(0, std::strlen(row.out)), row.out) << row.args;
        EXPECT_EQ(run.err.substr(0, std::strlen(row.err)), row.err) << row.args;
    }
}

// Without a display the tour goes into a new folder that only this user can enter, and says
// nothing but where.
TEST(Tenvo, WithoutADisplayTheTourGoesIntoAPrivateFolder) {
    const Finished run = Tenvo("");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string prefix = "No display found: saving pictures of a sample calculation "
                               "instead.\nPictures saved in ";
    ASSERT_EQ(run.out.rfind(prefix, 0), 0u) << run.out;
    const fs::path folder = run.out.substr(prefix.size(), run.out.size() - prefix.size() - 1);
    EXPECT_EQ(folder.parent_path(), fs::path(testing::TempDir()).parent_path());
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(folder)));
    EXPECT_EQ(fs::symlink_status(folder).permissions(), fs::perms::owner_all);
    for (const char* picture : kPictures)
        EXPECT_GT(fs::file_size(folder / picture), 1000u) << picture;
    fs::remove_all(folder);
    // A display named is used, even one that cannot be opened: never the tour instead.
    const std::string named = "ulimit -c 0; env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:79 ";
    EXPECT_EQ(tenvo::Run(named + TENVO_PATH).out, "");
}

TEST(Tenvo, TheTourGoesWhereItIsToldButNeverThroughALink) {
    const fs::path base = fs::path(testing::TempDir()) / ("tenvo_tour_" + std::to_string(getpid()));
    fs::remove_all(base);
    const fs::path folder = base / "new" / "pictures";
    Finished run = Tenvo("--sample-tour " + folder.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Pictures saved in " + folder.string() + "\n");
    EXPECT_EQ(run.err, "");
    for (const char* picture : kPictures)
        EXPECT_TRUE(fs::exists(folder / picture)) << picture;

    // A link planted in the folder under a picture's name is replaced, not followed.
    std::ofstream(base / "victim") << "kept";
    fs::remove(folder / "1-title.png");
    fs::create_symlink(base / "victim", folder / "1-title.png");
    ASSERT_EQ(Tenvo("--sample-tour " + folder.string()).status, 0);
    EXPECT_TRUE(tenvo::Slurp((base / "victim").string()) == "kept");
    EXPECT_FALSE(fs::is_symlink(folder / "1-title.png"));

    // A link planted where the folder should be is refused, and what it points to is untouched;
    // a picture that cannot be written fails the tour.
    fs::create_directories(base / "target");
    fs::create_directory_symlink(base / "target", base / "link");
    fs::remove(folder / "2-main.png");
    fs::create_directory(folder / "2-main.png");
    const struct {
        fs::path folder;
        int status;
        const char* says;
    } refused[] = {{base / "link", 2, "is a symbolic link"},
                   {base / "victim", 2, "is not a folder"},
                   {base / "victim" / "pictures", 2, "cannot make the folder"},
                   {folder, 1, "some pictures could not be saved"}};
    for (const auto& row : refused) {
        run = Tenvo("--sample-tour " + row.folder.string());
        EXPECT_EQ(run.status, row.status) << row.says;
        EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    }
    EXPECT_TRUE(fs::is_empty(base / "target"));
    fs::remove_all(base);
    // A platform that shows nothing is no display: the tour, not windows nobody sees.
    run = tenvo::Run("env TMPDIR=" + testing::TempDir() + " QT_QPA_PLATFORM=offscreen timeout 20 " +
                     TENVO_PATH);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("No display found", 0), 0u) << run.out;
    // Without a display and without a usable temporary folder nothing is written.
    run = tenvo::Run("env -u DISPLAY -u WAYLAND_DISPLAY TMPDIR=/nonexistent " TENVO_PATH);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("tenvo: cannot make a folder for the pictures"), std::string::npos);
}

} // namespace
