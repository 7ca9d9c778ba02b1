// SQL text is built from integers only: the three query texts carry nothing but digits and a
// minus sign from the identifier, and the writes bind their values and quote the names the
// database itself gives, so a hostile name in the host's schema cannot add a statement.
#include "HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <regex>

namespace karusello::dao {
namespace {

TEST(QueryTexts, HoldTheIdentifierAsDigitsAndNothingElseForEveryInteger) {
    const std::regex name(R"(select \* from pl_name where nid=(-?[0-9]+))");
    const std::regex count(R"(select count\(\*\) as anz from pl_all where pnid=(-?[0-9]+))");
    const std::regex entries(R"(select \* from pl_all where pnid=(-?[0-9]+) order by plid asc)");
    std::vector<std::int32_t> ids = {0, 1, -1, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()};
    std::mt19937 random(4711);
    std::uniform_int_distribution<std::int32_t> any(std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max());
    for (int i = 0; i < 2000; ++i) {
        ids.push_back(any(random));
    }
    for (const std::int32_t id : ids) {
        const std::string expected = std::to_string(id);
        std::smatch match;
        const std::string texts[] = {NameQuery(id), CountQuery(id), EntryQuery(id)};
        ASSERT_TRUE(std::regex_match(texts[0], match, name)) << texts[0];
        EXPECT_EQ(match[1].str(), expected);
        ASSERT_TRUE(std::regex_match(texts[1], match, count)) << texts[1];
        EXPECT_EQ(match[1].str(), expected);
        ASSERT_TRUE(std::regex_match(texts[2], match, entries)) << texts[2];
        EXPECT_EQ(match[1].str(), expected);
    }
}

class HostileSchema : public test::HostDatabaseTest {};

TEST_F(HostileSchema, NamesFromTheSchemaAreQuotedWhenARowIsWritten) {
    const std::string column = R"(sid"=0; DROP TABLE pl_name; --)";
    {
        test::HostDb host = HostConnection();
        host.Exec(R"(CREATE TABLE "pl_all""; DROP TABLE pl_name; --" )"
                  R"((plid INTEGER PRIMARY KEY, "sid""=0; DROP TABLE pl_name; --" INTEGER))");
        host.Exec(R"(INSERT INTO "pl_all""; DROP TABLE pl_name; --" VALUES (1, 5), (2, 6))");
    }
    auto db = engine_.OpenDatabase(path_);
    auto rs = db->OpenRecordset(R"(select * from "pl_all""; DROP TABLE pl_name; --")");
    ASSERT_FALSE(rs->Eof());
    rs->Edit();
    rs->SetField(column, 42);
    rs->Update();
    rs->Close();
    db->Close();

    test::HostDb host = HostConnection();
    EXPECT_EQ(host.Value("SELECT count(*) FROM pl_name"), "4") << "no statement was added";
    const auto written = host.Column(R"(SELECT "sid""=0; DROP TABLE pl_name; --" FROM )"
                                     R"("pl_all""; DROP TABLE pl_name; --" ORDER BY plid)");
    EXPECT_EQ(written, (std::vector<std::optional<std::string>>{"42", "6"}));
}

} // namespace
} // namespace karusello::dao
