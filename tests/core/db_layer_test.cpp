// The database layer: parameter binding and statement splitting on their own, then queries,
// scripts, escaping and transactions against the private ERP server.
#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "DateTime.h"
#include "DbQuery.h"
#include "DbScript.h"
#include "support/ErpDatabase.h"

namespace {

std::map<std::string, TDbParam> Params(std::initializer_list<std::pair<const char*, const char*>> texts) {
  std::map<std::string, TDbParam> params;
  for (const auto& [name, value] : texts) params[name].AsString(value);
  return params;
}

}  // namespace

TEST(DbParameters, OnlyNamesOutsideQuotesAndCommentsAreReplaced) {
  TDbConnection unconnected;
  const auto params = Params({{"a", "X"}, {"n", "7"}});
  struct Case { const char* sql; const char* expected; };
  const Case cases[] = {
      {"select :a", "select 'X'"},
      {"where a = :a and b = ':a' and c = \":a\" and `d:a` = 1", "where a = 'X' and b = ':a' and c = \":a\" and `d:a` = 1"},
      {"set @v := :n", "set @v := '7'"},
      {"select '10:00', \"it\\\":a\", :n", "select '10:00', \"it\\\":a\", '7'"},
      {"select 'it''s :a', :a", "select 'it''s :a', 'X'"},
      {"select :a -- :n is not here\n, :n # nor :a\n/* :a */", "select 'X' -- :n is not here\n, '7' # nor :a\n/* :a */"},
      {"select x::a", "select x::a"},
      {"select :A,:a", "select 'X','X'"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandParameters(c.sql, params, unconnected), c.expected) << c.sql;
}

TEST(DbParameters, UnboundParameterIsAnError) {
  TDbConnection unconnected;
  try {
    ExpandParameters("select :missing", {}, unconnected);
    FAIL() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find(":missing"), std::string::npos);
  }
}

TEST(DbParameters, LiteralsByType) {
  TDbConnection unconnected;
  TDbParam p;
  p.AsInteger(-42);
  EXPECT_EQ(p.Literal(unconnected), "-42");
  p.AsFloat(1.65);
  EXPECT_EQ(p.Literal(unconnected), "1.65");
  p.AsFloat(0.1 + 0.2);  // shortest text that reads back as the same double
  EXPECT_EQ(p.Literal(unconnected), "0.30000000000000004");
  p.AsDate(EncodeDate(2024, 3, 5));
  EXPECT_EQ(p.Literal(unconnected), "'2024-03-05'");
  p.AsDate(0);
  EXPECT_EQ(p.Literal(unconnected), "NULL");
  p.AsString("O'Brien \"x\" \\");
  EXPECT_EQ(p.Literal(unconnected), "'O\\'Brien \\\"x\\\" \\\\'");
  p.Clear();
  EXPECT_EQ(p.Literal(unconnected), "NULL");
  EXPECT_THROW(p.AsFloat(1.0 / 0.0), EDatabaseError);
}

TEST(DbScriptSplit, SplitsAtSemicolonsOutsideQuotesAndComments) {
  const std::string script =
      "create table t (a varchar(9) default \";\");\n"
      "insert into t values ('a;b'), (\"c\\\";d\"), ('e'';f');\n"
      "-- a comment; with a semicolon\n"
      "update `we;ird` set a = 1 /* ; */ where b = 2;\n"
      ";;  \n"
      "# only a comment; here\n"
      "commit;\n"
      "select 1";
  const std::vector<std::string> expected = {
      "create table t (a varchar(9) default \";\")",
      "insert into t values ('a;b'), (\"c\\\";d\"), ('e'';f')",
      "-- a comment; with a semicolon\nupdate `we;ird` set a = 1 /* ; */ where b = 2",
      "# only a comment; here\ncommit",
      "select 1",
  };
  EXPECT_EQ(SplitStatements(script), expected);
  EXPECT_TRUE(SplitStatements(" ;\n-- nothing\n").empty());
}

TEST(DbFields, ConversionsAndNull) {
  const char* text = "12";
  TDbField f("qt", text, 2, false);
  EXPECT_EQ(f.AsInteger(), 12);
  EXPECT_DOUBLE_EQ(f.AsFloat(), 12.0);
  EXPECT_FALSE(f.IsNull());

  TDbField null("vl", nullptr, 0, true);
  EXPECT_TRUE(null.IsNull());
  EXPECT_EQ(null.AsString(), "");
  EXPECT_EQ(null.AsInteger(), 0);
  EXPECT_EQ(null.AsFloat(), 0.0);
  EXPECT_EQ(null.AsDate(), 0.0);

  const char* whole = "3.00";
  EXPECT_EQ(TDbField("qt", whole, 4, true).AsInteger(), 3);
  EXPECT_DOUBLE_EQ(TDbField("qt", whole, 4, true).AsFloat(), 3.0);

  const char* zeroDate = "0000-00-00";
  EXPECT_EQ(TDbField("dt", zeroDate, 10, false).AsDate(), 0.0);
  const char* dateTime = "2024-03-05 12:00:00";
  EXPECT_DOUBLE_EQ(TDbField("dt", dateTime, 19, false).AsDate(), EncodeDate(2024, 3, 5) + 0.5);
}

TEST(DbFields, NonNumbersThrowNamingValueAndField) {
  struct Case { const char* value; bool numericColumn; };
  for (const Case& c : {Case{"", false}, Case{"A1", false}, Case{"1.5", false}, Case{"12x", false}}) {
    TDbField f("cd_sitdoc", c.value, std::char_traits<char>::length(c.value), c.numericColumn);
    try {
      f.AsInteger();
      FAIL() << "no error for '" << c.value << "'";
    } catch (const EDatabaseError& e) {
      const std::string m = e.what();
      EXPECT_NE(m.find(std::string("'") + c.value + "'"), std::string::npos) << m;
      EXPECT_NE(m.find("cd_sitdoc"), std::string::npos) << m;
    }
  }
  EXPECT_THROW(TDbField("vl", "1,5", 3, false).AsFloat(), EDatabaseError);
  EXPECT_THROW(TDbField("dt", "05/03/2024", 10, false).AsDate(), EDatabaseError);
}

TEST(DbConnectionTest, ServerNotRunningGivesAClearErrorQuickly) {
  TDbSettings closedPort;
  closedPort.HostName = "127.0.0.1";
  closedPort.Port = 1;  // nothing listens there
  closedPort.User = "vudi";
  TDbSettings missingSocket = closedPort;
  missingSocket.Socket = "/nonexistent/vudi-erp.sock";
  for (const TDbSettings& s : {closedPort, missingSocket}) {
    TDbConnection db(s);
    auto start = std::chrono::steady_clock::now();
    try {
      db.Connect();
      FAIL() << "connected";
    } catch (const EDatabaseError& e) {
      EXPECT_NE(std::string(e.what()).find("Não foi possível conectar ao banco de dados"), std::string::npos)
          << e.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
    EXPECT_FALSE(db.Connected());
  }
}

class DbServerTest : public ::testing::Test {
protected:
  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp_ = std::make_unique<ErpDatabase>(ErpContent::Empty);
    db_ = std::make_unique<TDbConnection>(erp_->CompanySettings());
    db_->Connect();
    db_->ExecSQL(
        "create table vals (id int primary key, t varchar(60), i bigint, vl decimal(15,2), tx decimal(9,4), "
        "dt date, f double)");
  }
  std::unique_ptr<ErpDatabase> erp_;
  std::unique_ptr<TDbConnection> db_;
};

TEST_F(DbServerTest, SessionSettings) {
  TDbQuery q(*db_);
  q.Add("select @@autocommit as ac, @@session.tx_isolation as iso,");
  q.Add("@@character_set_client as cs, database() as db");
  q.Open();
  EXPECT_EQ(q.FieldByName("ac").AsInteger(), 0);
  EXPECT_EQ(q.FieldByName("iso").AsString(), "READ-COMMITTED");
  EXPECT_EQ(q.FieldByName("cs").AsString(), "utf8mb4");
  EXPECT_EQ(q.FieldByName("DB").AsString(), erp_->CompanyName());
}

TEST_F(DbServerTest, ParametersOfEveryTypeReadBackExactly) {
  TDbQuery ins(*db_);
  ins.Add("insert into vals (id, t, i, vl, tx, dt, f)");
  ins.Add("values (:id, :t, :i, :vl, :tx, :dt, :f)");
  ins.ParamByName("id").AsInteger(1);
  ins.ParamByName("t").AsString("AÇÃO D'ÁGUA \"10:00\"");
  ins.ParamByName("i").AsInteger(-9007199254740993LL);
  ins.ParamByName("vl").AsFloat(1234567890123.45);
  ins.ParamByName("tx").AsFloat(1.65);
  ins.ParamByName("dt").AsDate(EncodeDate(2024, 2, 29));
  ins.ParamByName("f").AsFloat(0.1);
  ins.ExecSQL();
  EXPECT_EQ(ins.RowsAffected(), 1u);
  ins.ParamByName("id").AsInteger(2);
  for (const char* name : {"t", "i", "vl", "tx", "dt", "f"}) ins.ParamByName(name).Clear();
  ins.ExecSQL();

  TDbQuery q(*db_);
  q.Add("select * from vals where id = :id");
  q.ParamByName("id").AsInteger(1);
  q.Open();
  ASSERT_FALSE(q.Eof());
  EXPECT_EQ(q.FieldByName("t").AsString(), "AÇÃO D'ÁGUA \"10:00\"");
  EXPECT_EQ(q.FieldByName("i").AsInteger(), -9007199254740993LL);
  EXPECT_EQ(q.FieldByName("vl").AsString(), "1234567890123.45");
  EXPECT_EQ(q.FieldByName("tx").AsString(), "1.6500");
  EXPECT_DOUBLE_EQ(q.FieldByName("tx").AsFloat(), 1.65);
  EXPECT_EQ(q.FieldByName("dt").AsDate(), EncodeDate(2024, 2, 29));
  EXPECT_EQ(q.FieldByName("f").AsFloat(), 0.1);

  q.ParamByName("id").AsInteger(2);
  q.Open();
  for (const char* name : {"t", "i", "vl", "tx", "dt", "f"}) {
    EXPECT_TRUE(q.FieldByName(name).IsNull()) << name;
    EXPECT_EQ(q.FieldByName(name).AsString(), "") << name;
  }
  EXPECT_EQ(q.FieldByName("dt").AsDate(), 0.0);
  EXPECT_THROW(q.FieldByName("nope"), EDatabaseError);
}

TEST_F(DbServerTest, CursorWalksBufferedRows) {
  db_->ExecSQL("insert into vals (id, t) values (1, 'a'), (2, 'b'), (3, 'c')");
  TDbQuery q(*db_);
  q.Add("select id, t from vals");
  q.Add("order by id");
  q.Open();
  EXPECT_EQ(q.RecordCount(), 3u);
  std::string seen;
  for (; !q.Eof(); q.Next()) seen += q.FieldByName("t").AsString();
  EXPECT_EQ(seen, "abc");
  q.Next();  // past the end stays there
  EXPECT_TRUE(q.Eof());
  q.First();
  EXPECT_EQ(q.FieldByName("id").AsInteger(), 1);

  q.Clear();
  q.Add("select id from vals where id > 10");
  q.Open();
  EXPECT_TRUE(q.Eof());
  EXPECT_TRUE(q.IsEmpty());
  EXPECT_TRUE(q.FieldByName("id").IsNull());
}

TEST_F(DbServerTest, ScriptWithCommitIsSeenByAnotherConnection) {
  TDbScript z(*db_);
  z.Add("insert into vals (id, t) values (1, 'x;y');");
  z.Add("insert into vals (id, t) values (2, \"it's\");");
  z.Add("update vals set i = 5 where id = 2;");
  z.Add("commit;");
  z.Execute();

  TDbConnection other(erp_->CompanySettings());
  other.Connect();
  TDbQuery q(other);
  q.Add("select t, i from vals order by id");
  q.Open();
  ASSERT_EQ(q.RecordCount(), 2u);
  EXPECT_EQ(q.FieldByName("t").AsString(), "x;y");
  q.Next();
  EXPECT_EQ(q.FieldByName("t").AsString(), "it's");
  EXPECT_EQ(q.FieldByName("i").AsInteger(), 5);
}

TEST_F(DbServerTest, ScriptStopsAtTheFailingStatementWithTheServersMessage) {
  TDbScript z(*db_);
  z.Add("insert into vals (id) values (1);");
  z.Add("insert into no_such_table values (1);");
  z.Add("insert into vals (id) values (2);");
  try {
    z.Execute();
    FAIL() << "no error";
  } catch (const EDatabaseError& e) {
    const std::string m = e.what();
    EXPECT_NE(m.find("no_such_table"), std::string::npos) << m;
    EXPECT_NE(m.find("insert into no_such_table"), std::string::npos) << m;
    EXPECT_EQ(e.Code(), 1146u);
  }
  TDbQuery q(*db_);
  q.Add("select count(*) as n from vals");
  q.Open();
  EXPECT_EQ(q.FieldByName("n").AsInteger(), 1);
}

TEST_F(DbServerTest, EscapedValueCannotEndTheLiteral) {
  const std::string nasty = "a\"b\\c'd\" or \"1\"=\"1";
  db_->ExecSQL("insert into vals (id, t) values (1, \"" + db_->Escape(nasty) + "\"), (2, \"other\")");
  TDbQuery q(*db_);
  q.Add("select id, t from vals where t = \"" + db_->Escape(nasty) + "\"");
  q.Open();
  ASSERT_EQ(q.RecordCount(), 1u);
  EXPECT_EQ(q.FieldByName("t").AsString(), nasty);

  q.Clear();
  q.Add("select id from vals where t = \"" + db_->Escape("x\" or \"1\"=\"1") + "\"");
  q.Open();
  EXPECT_TRUE(q.IsEmpty());
}

TEST_F(DbServerTest, AutomaticCommitIsOff) {
  TDbConnection other(erp_->CompanySettings());
  other.Connect();
  auto countInOther = [&] {
    TDbQuery q(other);
    q.Add("select count(*) as n from vals");
    q.Open();
    return q.FieldByName("n").AsInteger();
  };
  db_->ExecSQL("insert into vals (id) values (1)");
  EXPECT_EQ(countInOther(), 0);
  db_->Rollback();
  db_->ExecSQL("insert into vals (id) values (2)");
  db_->Commit();
  EXPECT_EQ(countInOther(), 1);
}

TEST_F(DbServerTest, SwitchesFromTheCatalogueToTheCompanyDatabase) {
  ErpDatabase seeded;
  TDbConnection db(seeded.CatalogSettings());
  db.Connect();
  TDbQuery q(db);
  q.Add("select nm_db from kivo_empresa where cd_empresa = \"" + db.Escape("001") + "\"");
  q.Open();
  ASSERT_FALSE(q.Eof());
  db.SetDatabase(q.FieldByName("nm_db").AsString());
  EXPECT_EQ(db.CurrentDatabase(), seeded.CompanyName());

  TDbQuery login(db);
  login.Add("select ifnull(name,\"\") as name from sec_users where login = :login and pswd = :pass");
  login.ParamByName("login").AsString(ErpDatabase::kUser);
  login.ParamByName("pass").AsString("12f5efd6e2a66838c4e0570b3a946cfe");
  login.Open();
  ASSERT_FALSE(login.Eof());
  EXPECT_EQ(login.FieldByName("name").AsString(), "OPERADOR FISCAL");

  EXPECT_THROW(db.SetDatabase("no_such_database_here"), EDatabaseError);
}

TEST_F(DbServerTest, ConnectsOverTcpToo) {
  TDbSettings tcp = erp_->CompanySettings();
  tcp.Socket.clear();
  TDbConnection db(tcp);
  db.Connect();
  TDbQuery q(db);
  q.Add("select database() as db");
  q.Open();
  EXPECT_EQ(q.FieldByName("db").AsString(), erp_->CompanyName());
}
