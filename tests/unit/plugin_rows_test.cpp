#include "config/pages/data/plugin_rows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/support/scratch_file.h"

namespace quon::config {
namespace {

TEST(PluginRows, CellTexts) {
    const char* activation[] = {"ВСЕГДА", "ПРИ  ЗАПУСКЕ", "ВХОД  В  СЕТЬ", "ВЬIХОД  ИЗ  СЕТИ", "ВХОД и ВЬIХОД", "ПО  ЗАПРОСУ"};
    for (int code = 0; code <= 5; ++code) EXPECT_EQ(CellsOf({"x", true, code})[2], activation[code]);
    for (int64_t code : {int64_t{-1}, int64_t{6}, int64_t{9}, int64_t{1} << 40}) EXPECT_EQ(CellsOf({"x", true, code})[2], "-") << code;
    PluginRecord r{"a.dll", false, 9, "TA", "Desc", "Ann", "a@b", "a.org"};
    EXPECT_EQ(CellsOf(r), (PluginCells{"a.dll", "ОТКЛЮЧЕН", "-", "Desc", "Ann", "a@b", "a.org"}));
    r.enabled = true;
    EXPECT_EQ(CellsOf(r)[1], "ВКЛЮЧЕН");
}

TEST(PluginRows, InfoTextSplit) {
    struct Case { const char* text; PluginInfo info; };
    const Case cases[] = {
        {":TMeter:Ann:ann@mail:meter.org:Traffic meter:", {"TMeter", "Ann", "ann@mail", "meter.org", "Traffic meter"}},
        {":-:-:-:-:-:", {"-", "-", "-", "-", "-"}},
        {"abc", {"-", "-", "-", "-", "abc"}},
        {"", {"-", "-", "-", "-", ""}},
        {":a:b:c:d", {"-", "-", "-", "-", ":a:b:c:d"}},             // four colons: the whole text
        {":a:b:c:d:", {"a", "b", "c", "d", ""}},                      // no sixth colon: no description
        {":a:b:c:d:no closing", {"a", "b", "c", "d", ""}},
        {":a:b:c:d:Desc: more:", {"a", "b", "c", "d", "Desc: more"}},  // later colons stay in the description
        {"x:a:b:c:d:e:", {"a", "b", "c", "d", "e"}},                  // counted from the first colon
    };
    for (const Case& c : cases) {
        const PluginInfo got = SplitPluginInfo(c.text);
        EXPECT_EQ(got.windowClass, c.info.windowClass) << c.text;
        EXPECT_EQ(got.author, c.info.author) << c.text;
        EXPECT_EQ(got.mail, c.info.mail) << c.text;
        EXPECT_EQ(got.web, c.info.web) << c.text;
        EXPECT_EQ(got.description, c.info.description) << c.text;
    }
}

class PluginListFile : public ::testing::Test {
protected:
    void Write(const std::string& text) { file_.Write(text); }
    test::ScratchFile file_{"quon-rows-", ".qif"};
    const std::string path_ = file_.Path();
};

// A folder of modules as the scan sees them; every question asked is recorded.
struct FakeModules {
    std::map<std::string, std::pair<ModuleReply, int64_t>> events;
    std::map<std::string, std::pair<ModuleReply, std::string>> infos;
    std::vector<std::string> asked;
    PluginQuestions Questions() {
        return {[this](const std::string& f, int64_t& e) {
                    asked.push_back("event " + f);
                    auto it = events.find(f);
                    if (it == events.end()) return ModuleReply::Missing;
                    e = it->second.second;
                    return it->second.first;
                },
                [this](const std::string& f, std::string& t) {
                    asked.push_back("info " + f);
                    auto it = infos.find(f);
                    if (it == infos.end()) return ModuleReply::Missing;
                    t = it->second.second;
                    return it->second.first;
                }};
    }
};

TEST_F(PluginListFile, ScanUsesTheListOrAsksTheModule) {
    Write("[stored.dll]\nenabled=1\nevents=0\nclass=TS\ninfo=Stored\nauthor=Sam\nmail=s@x\nweb=s.org\n"
          "[start.dll]\nenabled=yes\nevents=1\n"
          "[off.dll]\nenabled=0\nevents=1\ninfo=Old\n"
          "[connect.dll]\nevents=2\ninfo=Old\n"
          "[low.dll]\nevents=-7\n"
          "[word.dll]\nenabled=no\nevents=0\ninfo=Kept\n");
    FakeModules m;
    m.events = {{"off.dll", {ModuleReply::Answered, 3}},   {"connect.dll", {ModuleReply::Answered, 4}},
                {"new.dll", {ModuleReply::Answered, 5}},   {"fault.dll", {ModuleReply::Faulted, 0}},
                {"null.dll", {ModuleReply::Answered, 2}}};
    m.infos = {{"off.dll", {ModuleReply::Answered, ":TO:Olga:o@x:o.org:Off module:"}},
               {"connect.dll", {ModuleReply::Answered, "abc"}},
               {"new.dll", {ModuleReply::Answered, ":TN:Nick:n@x:n.org:New:"}},
               {"fault.dll", {ModuleReply::Faulted, ""}},
               {"null.dll", {ModuleReply::Answered, ""}}};
    const fw::IniFile list(path_);
    struct Want { const char* file; bool enabled; int64_t event; PluginInfo info; bool asked; };
    const Want wants[] = {
        // on with code 0 or 1 (or below -1): described from the list, never loaded
        {"stored.dll", true, 0, {"TS", "Sam", "s@x", "s.org", "Stored"}, false},
        {"start.dll", true, 1, {"-", "-", "-", "-", "-"}, false},
        {"low.dll", true, -7, {"-", "-", "-", "-", "-"}, false},
        {"word.dll", true, 0, {"-", "-", "-", "-", "Kept"}, false},  // "no" is no zero: on
        // off, a code from 2 up, or not in the list: the module is asked
        {"off.dll", false, 3, {"TO", "Olga", "o@x", "o.org", "Off module"}, true},
        {"connect.dll", true, 4, {"-", "-", "-", "-", "abc"}, true},
        {"new.dll", true, 5, {"TN", "Nick", "n@x", "n.org", "New"}, true},
        // a module without the exports (or a file that does not load): event 1 and "-" everywhere
        {"plain.dll", true, 1, {"-", "-", "-", "-", "-"}, true},
        // a fault keeps the code as read (-1 when not listed) and leaves the text empty
        {"fault.dll", true, -1, {"-", "-", "-", "-", ""}, true},
        // a NULL text is an empty one
        {"null.dll", true, 2, {"-", "-", "-", "-", ""}, true},
    };
    for (const Want& w : wants) {
        m.asked.clear();
        const PluginRecord r = ScanPluginFile(w.file, list, m.Questions());
        EXPECT_EQ(r.file, w.file);
        EXPECT_EQ(r.enabled, w.enabled) << w.file;
        EXPECT_EQ(r.event, w.event) << w.file;
        EXPECT_EQ(r.windowClass, w.info.windowClass) << w.file;
        EXPECT_EQ(r.author, w.info.author) << w.file;
        EXPECT_EQ(r.mail, w.info.mail) << w.file;
        EXPECT_EQ(r.web, w.info.web) << w.file;
        EXPECT_EQ(r.description, w.info.description) << w.file;
        const std::vector<std::string> asked =
            w.asked ? std::vector<std::string>{std::string("event ") + w.file, std::string("info ") + w.file}
                    : std::vector<std::string>{};
        EXPECT_EQ(m.asked, asked) << w.file;
    }
}

TEST(PluginRows, RecordsAndTheDialogsRowsCarryTheSameFields) {
    const PluginRow row{"b.dll", "0", "2", "TB", "Bee", "Bob", "b@x", "b.org"};
    const PluginRecord record = RecordOf(row);
    EXPECT_EQ(CellsOf(record), (PluginCells{"b.dll", "ОТКЛЮЧЕН", "ВХОД  В  СЕТЬ", "Bee", "Bob", "b@x", "b.org"}));
    EXPECT_EQ(record.windowClass, "TB");
    EXPECT_EQ(RowOf(record), row);
    EXPECT_EQ(RowOf(RecordOf({"a.dll", "1", "9", "", "-", "-", "-", "-"})).event, "9");
}

TEST(PluginRows, ColumnClicksFlipOnlyOnTheSameColumn) {
    PluginSort s;
    EXPECT_EQ(s.column, 0);
    EXPECT_FALSE(s.descending);
    struct Step { int click, column; bool descending; };
    const Step steps[] = {{0, 0, true}, {4, 4, true}, {4, 4, false}, {4, 4, true}, {6, 6, true}, {1, 1, true}, {1, 1, false}};
    for (const Step& st : steps) {
        s.Click(st.click);
        EXPECT_EQ(s.column, st.column) << "click " << st.click;
        EXPECT_EQ(s.descending, st.descending) << "click " << st.click;
    }
}

TEST(PluginRows, SortKeepsEachRecordWhole) {
    std::vector<PluginRecord> rows = {
        {"c.dll", true, 0, "TC", "Gamma", "ann", "c@x", "c.org"},
        {"A.dll", false, 2, "TA", "alpha", "Bob", "a@x", "a.org"},
        {"b.dll", true, 5, "TB", "Beta", "ann", "b@x", "b.org"},
    };
    auto order = [&](PluginSort s) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const PluginRecord& a, const PluginRecord& b) { return ComparePluginRows(a, b, s) < 0; });
        std::string files;
        for (const PluginRecord& r : rows) files += r.file.substr(0, 1);
        return files;
    };
    EXPECT_EQ(order({0, false}), "Abc");  // letters compare without case
    EXPECT_EQ(order({0, true}), "cbA");
    EXPECT_EQ(order({4, false}), "bcA");  // author "ann" twice: the mail column breaks the tie
    EXPECT_EQ(order({4, true}), "Acb");
    EXPECT_EQ(order({1, false}), "cbA");  // "ВКЛЮЧЕН" before "ОТКЛЮЧЕН", then by the activation text
    EXPECT_EQ(order({3, false}), "Abc");
    // every row still carries its own module's fields
    for (const PluginRecord& r : rows) {
        const std::string letter = r.file.substr(0, 1);
        EXPECT_EQ(r.windowClass, "T" + std::string(1, char(toupper(letter[0])))) << r.file;
        EXPECT_EQ(r.mail[0], char(tolower(letter[0]))) << r.file;
    }
}

}  // namespace
}  // namespace quon::config
