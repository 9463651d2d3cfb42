// The built vudirozazezav-cli, run as a batch job would run it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <fstream>

#include "support/ErpDatabase.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

struct Resultado {
  int codigo = -1;
  std::string saida, erros;
};

// Runs the program with `entrada` as its standard input and HOME inside `dir`.
Resultado Roda(const std::vector<std::string>& args, const std::string& entrada, const TempDir& dir) {
  const std::string in = dir.File("stdin"), out = dir.File("stdout"), err = dir.File("stderr");
  std::ofstream(in, std::ios::binary) << entrada;
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&fa, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&fa, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  // No terminal: a prompt for a password must fail instead of waiting.
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (std::string(*e).rfind("HOME=", 0) != 0) env.push_back(*e);
  env.push_back("HOME=" + dir.path().string());
  std::vector<char*> envp, argv;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string prog = VUDI_CLI_PATH;
  argv.push_back(prog.data());
  std::vector<std::string> copia = args;
  for (auto& a : copia) argv.push_back(a.data());
  argv.push_back(nullptr);

  Resultado r;
  pid_t pid = 0;
  if (posix_spawn(&pid, prog.c_str(), &fa, &attr, argv.data(), envp.data()) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    r.codigo = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&fa);
  posix_spawnattr_destroy(&attr);
  r.saida = ReadBytes(out);
  r.erros = ReadBytes(err);
  return r;
}

// Options reaching the fixture's catalogue on the private server.
std::vector<std::string> Conexao(const ErpDatabase& erp) {
  TDbSettings s = erp.CatalogSettings();
  std::vector<std::string> a = {"--host", s.HostName, "--porta", std::to_string(s.Port), "--banco", s.Database,
                                "--usuario-banco", s.User, "--senha-banco-stdin", "--senha-stdin"};
  if (!s.Socket.empty()) a.insert(a.end(), {"--socket", s.Socket});
  return a;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Cli : ::testing::Test {
  std::optional<ErpDatabase> erp;
  TempDir dir;
  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp.emplace();
  }
  std::string Senhas(const std::string& senhaErp = ErpDatabase::kPassword) {
    return senhaErp + "\n" + erp->CatalogSettings().Password + "\n";
  }
  std::vector<std::string> Login() {
    return Conexao(*erp) + std::vector<std::string>{"--empresa", "1", "--usuario", ErpDatabase::kUser};
  }
};

}  // namespace

TEST_F(Cli, WritesTheMonthOfAStoreAndSummarisesIt) {
  const std::string arquivo = dir.File("efd.txt");
  Resultado r = Roda(Login() + std::vector<std::string>{"--loja", "001", "--periodo", "2024-03", "--arquivo", arquivo},
                     Senhas(), dir);
  // The fixture month's file has validation errors today (block I is missing): written, exit 6.
  ASSERT_EQ(r.codigo, 6) << r.erros;
  EXPECT_TRUE(FileCountsAgree(arquivo));
  std::vector<std::string> linhas = FileLines(arquivo);
  ASSERT_FALSE(linhas.empty());
  // Block 0 is the expected one for this store and month.
  const std::vector<std::string> bloco0 = SplitCrLf(ReadErpFixture("expected/bloco0_loja001_2024-03.txt"), nullptr);
  ASSERT_GE(linhas.size(), bloco0.size());
  EXPECT_EQ(std::vector<std::string>(linhas.begin(), linhas.begin() + static_cast<long>(bloco0.size())), bloco0);

  // The summary: path, lines per block adding up to the file, the timing message last.
  EXPECT_NE(r.saida.find("Arquivo gerado: " + arquivo + "\n"), std::string::npos) << r.saida;
  int blocoZero = 0;
  for (const std::string& l : linhas) blocoZero += l[1] == '0';
  EXPECT_NE(r.saida.find("  Bloco 0: " + std::to_string(blocoZero) + "\n"), std::string::npos) << r.saida;
  EXPECT_NE(r.saida.find("  Total: " + std::to_string(linhas.size()) + "\n"), std::string::npos) << r.saida;
  // The check's findings among the messages, its summary after the lines per block.
  EXPECT_NE(r.saida.find("  (VALIDAÇÃO) arquivo, I001: bloco I ausente"), std::string::npos) << r.saida;
  EXPECT_NE(r.saida.find("  estrutura: "), std::string::npos) << r.saida;
  EXPECT_LT(r.saida.find("  Total: "), r.saida.find("\nArquivo validado: ")) << r.saida;
  EXPECT_NE(r.saida.find("\nIniciou as "), std::string::npos) << r.saida;
  EXPECT_NE(r.saida.find(" * Finalizou as "), std::string::npos) << r.saida;
  // Progress on standard error, plain lines when it is no terminal.
  EXPECT_NE(r.erros.find("[100%] "), std::string::npos) << r.erros;
  EXPECT_EQ(r.erros.find('\r'), std::string::npos);
}

// Without the check the same run ends as a written file, with no findings and no summary line.
TEST_F(Cli, SemValidacaoSkipsTheCheck) {
  const std::string arquivo = dir.File("efd.txt");
  Resultado r = Roda(Login() + std::vector<std::string>{"--periodo", "2024-03", "--arquivo", arquivo, "--sem-validacao"},
                     Senhas(), dir);
  EXPECT_EQ(r.codigo, 0) << r.erros;
  EXPECT_TRUE(FileCountsAgree(arquivo));
  EXPECT_EQ(r.saida.find("VALIDAÇÃO"), std::string::npos) << r.saida;
  EXPECT_EQ(r.saida.find("Arquivo validado"), std::string::npos) << r.saida;
  // Its findings are still there for anyone who asks.
  EXPECT_EQ(Roda({"--validar", arquivo}, "", dir).codigo, 6);
}

TEST_F(Cli, WindowChoicesReachTheRun) {
  // All at once, consolidated criterion: block D is not extracted and stays empty.
  const std::string arquivo = dir.File("efd.txt");
  Resultado r = Roda(Login() + std::vector<std::string>{"--loja", "3", "--de", "2024-03-01", "--ate", "2024-03-15",
                                                        "--de-uma-vez", "--criterio", "2", "--apuracao",
                                                        "consolidada", "--versao", "310", "--arquivo", arquivo},
                     Senhas(), dir);
  // Written, with validation errors today (block I is missing, among others).
  ASSERT_EQ(r.codigo, 6) << r.erros;
  EXPECT_TRUE(FileCountsAgree(arquivo));
  std::vector<std::string> linhas = FileLines(arquivo);
  ASSERT_FALSE(linhas.empty());
  EXPECT_EQ(linhas[0].substr(0, 31), "|0000|005|0|||01032024|15032024");
  EXPECT_NE(linhas[0].find("LOJA RIO"), std::string::npos) << linhas[0];
  EXPECT_NE(std::find(linhas.begin(), linhas.end(), "|D001|1|"), linhas.end());
  EXPECT_NE(std::find(linhas.begin(), linhas.end(), "|D990|2|"), linhas.end());
}

TEST_F(Cli, RefusedLoginsEndWithTheirMessage) {
  struct Caso {
    std::string empresa, senha, mensagem;
  } casos[] = {
      {"1", "errada", "USUARIO E/OU SENHA INVÁLIDOS"},
      {"1", "", "SENHA EM BRANCO"},
      {"9", ErpDatabase::kPassword, "CÓDIGO DA EMPRESA INVÁLIDO!"},
  };
  for (const Caso& c : casos) {
    Resultado r = Roda(Conexao(*erp) + std::vector<std::string>{"--empresa", c.empresa, "--usuario", ErpDatabase::kUser,
                                                                 "--arquivo", dir.File("efd.txt")},
                       Senhas(c.senha), dir);
    EXPECT_EQ(r.codigo, 3) << c.mensagem << "\n" << r.erros;
    EXPECT_NE(r.erros.find(c.mensagem), std::string::npos) << r.erros;
    EXPECT_FALSE(std::filesystem::exists(dir.File("efd.txt")));
  }
}

TEST_F(Cli, StoreThatDoesNotExistIsABadOption) {
  Resultado r = Roda(Login() + std::vector<std::string>{"--loja", "009", "--arquivo", dir.File("efd.txt")}, Senhas(), dir);
  EXPECT_EQ(r.codigo, 2) << r.erros;
  EXPECT_NE(r.erros.find("\"009\""), std::string::npos) << r.erros;
  EXPECT_NE(r.erros.find("001 LOJA CENTRO"), std::string::npos) << r.erros;
}

TEST_F(Cli, FolderThatDoesNotExistFailsTheGeneration) {
  Resultado r = Roda(Login() + std::vector<std::string>{"--periodo", "2024-03", "--arquivo", dir.File("nao/existe.txt")},
                     Senhas(), dir);
  EXPECT_EQ(r.codigo, 5) << r.erros;
  EXPECT_FALSE(std::filesystem::exists(dir.File("nao")));
}

TEST(CliSemServidor, UnreachableServerIsADatabaseError) {
  TempDir dir;
  // Nothing listens on port 1.
  Resultado r = Roda({"--host", "127.0.0.1", "--porta", "1", "--empresa", "1", "--usuario", "x", "--senha-stdin"},
                     "senha\n", dir);
  EXPECT_EQ(r.codigo, 4) << r.erros;
  EXPECT_NE(r.erros.find("NÃO FOI POSSIVEL CONECTAR AO BANCO DE DADOS! (servidor 127.0.0.1:1)"), std::string::npos)
      << r.erros;
}

TEST(CliSemServidor, BadOptionsNameTheBadValue) {
  const std::vector<std::string> login = {"--empresa", "1", "--usuario", "x", "--senha-stdin", "--porta", "1"};
  struct Caso {
    std::vector<std::string> args;
    std::string entrada, mensagem;
  } casos[] = {
      {login + std::vector<std::string>{"--versao", "330"}, "s\n", "\"330\""},
      {login + std::vector<std::string>{"--periodo", "2024-13"}, "s\n", "\"2024-13\""},
      {login + std::vector<std::string>{"--de", "31/02/2024"}, "s\n", "\"31/02/2024\""},
      {login + std::vector<std::string>{"--de", "2024-03-10", "--ate", "2024-03-01"}, "s\n", "10/03/2024"},
      {login + std::vector<std::string>{"--periodo", "2024-03", "--de", "2024-03-02"}, "s\n", "--periodo"},
      {login + std::vector<std::string>{"--criterio", "3"}, "s\n", "\"3\""},
      {login + std::vector<std::string>{"--detalhamento", "10"}, "s\n", "\"10\""},
      {login + std::vector<std::string>{"--apuracao", "mensal"}, "s\n", "\"mensal\""},
      {login + std::vector<std::string>{"--bloco-m", "tabela"}, "s\n", "\"tabela\""},
      {login + std::vector<std::string>{"--buffer-linhas", "mil"}, "s\n", "\"mil\""},
      {login + std::vector<std::string>{"--porta", "70000"}, "s\n", "\"70000\""},
      {login + std::vector<std::string>{"--senha", "kivo123"}, "s\n", "--senha"},
      {login + std::vector<std::string>{"--loja"}, "s\n", "--loja"},
      {{"--empresa", "12a", "--usuario", "x"}, "s\n", "\"12a\""},
      {{"--usuario", "x", "--senha-stdin"}, "s\n", "--empresa"},
      // Both passwords on standard input, only one line there.
      {login + std::vector<std::string>{"--senha-banco-stdin"}, "s\n", "senha do banco"},
      // No terminal to ask for the password.
      {{"--empresa", "1", "--usuario", "x"}, "", "--senha-stdin"},
  };
  for (const Caso& c : casos) {
    TempDir dir;
    Resultado r = Roda(c.args, c.entrada, dir);
    EXPECT_EQ(r.codigo, 2) << c.mensagem << "\n" << r.erros;
    EXPECT_NE(r.erros.find(c.mensagem), std::string::npos) << r.erros;
    EXPECT_EQ(r.erros.find("CONECTAR"), std::string::npos) << "checked only after connecting: " << r.erros;
  }
}

TEST(CliSemServidor, HelpListsTheExitCodes) {
  TempDir dir;
  Resultado r = Roda({"--help"}, "", dir);
  EXPECT_EQ(r.codigo, 0);
  for (const char* s : {"--senha-stdin", "--senha-banco-stdin", "--periodo", "320", "--sem-validacao", "--validar",
                        "  2  ", "  3  ", "  4  ", "  5  ", "  6  "})
    EXPECT_NE(r.saida.find(s), std::string::npos) << s;
}

// Checking a file needs no server: findings, the summary per kind and the exit code.
TEST(CliSemServidor, ValidarChecksAnyFileWithoutADatabase) {
  TempDir dir;
  const std::string arquivo = dir.File("efd.txt");
  {
    std::ofstream f(arquivo, std::ios::binary);
    f << "|0000|006|0|||01032024|31032024|EMPRESA|11222333000181|SP|3550308||00|2|\r\n|9999|2|\r\n";
  }
  Resultado r = Roda({"--validar", arquivo}, "", dir);
  EXPECT_EQ(r.codigo, 6);
  EXPECT_NE(r.saida.find("(VALIDAÇÃO) arquivo, A001: bloco A ausente"), std::string::npos) << r.saida;
  EXPECT_NE(r.saida.find("estrutura: 10 erros, 0 avisos"), std::string::npos) << r.saida;
  EXPECT_NE(r.saida.find("Arquivo validado: "), std::string::npos) << r.saida;

  Resultado json = Roda({"--validar", arquivo, "--json"}, "", dir);
  EXPECT_EQ(json.codigo, 6);
  EXPECT_NE(json.saida.find("{\"linha\":0,\"registro\":\"A001\",\"campo\":\"\",\"valor\":\"\",\"tipo\":\"estrutura\","
                            "\"severidade\":\"erro\",\"mensagem\":\"bloco A ausente\"}"),
            std::string::npos)
      << json.saida;

  EXPECT_EQ(Roda({"--validar", dir.File("nao-existe.txt")}, "", dir).codigo, 2);
  EXPECT_EQ(Roda({"--validar", dir.path().string()}, "", dir).codigo, 2);
}

// Safe runs: failures that were passed over, the reasons and the secrets in what is printed.
TEST_F(Cli, AScriptFailurePassedOverEndsAsAFileWrittenWithErrors) {
  TDbConnection db(erp->CompanySettings());
  db.Connect();
  // A rate the non-contribution revenue table cannot hold stops its script.
  db.ExecSQL("update nfitem set tx_pis = 50000 where cd_pis in ('04','05','06','07','08','09')");
  db.Commit();
  // Without the file check: exit 6 comes from the failure alone.
  Resultado r = Roda(Login() + std::vector<std::string>{"--periodo", "2024-03", "--arquivo", dir.File("efd.txt"),
                                                        "--sem-validacao"},
                     Senhas(), dir);
  EXPECT_EQ(r.codigo, 6) << r.erros;
  EXPECT_NE(r.saida.find("ERRO: "), std::string::npos) << r.saida;
  EXPECT_EQ(r.saida.find("Mensagens de validação: nenhuma"), std::string::npos) << r.saida;
}

TEST_F(Cli, StartUpFailuresGiveTheServersReasonWithoutThePasswordDigest) {
  TDbConnection db(erp->CompanySettings());
  db.Connect();
  // A user query that fails quotes its statement: the digest must not show.
  db.ExecSQL("alter table sec_users drop column name");
  Resultado r = Roda(Login() + std::vector<std::string>{"--arquivo", dir.File("efd.txt")}, Senhas(), dir);
  EXPECT_EQ(r.codigo, 4) << r.erros;
  EXPECT_NE(r.erros.find("pswd = '***'"), std::string::npos) << r.erros;
  EXPECT_EQ(r.erros.find("12f5efd6e2a66838c4e0570b3a946cfe"), std::string::npos) << r.erros;

  TDbConnection catalogo(erp->CatalogSettings());
  catalogo.Connect();
  catalogo.ExecSQL("update kivo_empresa set nm_db = 'empresa_que_sumiu'");
  catalogo.Commit();
  r = Roda(Login() + std::vector<std::string>{"--arquivo", dir.File("efd.txt")}, Senhas(), dir);
  EXPECT_EQ(r.codigo, 4) << r.erros;
  EXPECT_NE(r.erros.find("NÃO FOI POSSIVEL CONECTAR AO BANCO DE DADOS! ("), std::string::npos) << r.erros;
  EXPECT_NE(r.erros.find("empresa_que_sumiu"), std::string::npos) << r.erros;
}

TEST_F(Cli, TheUserNameIsMatchedExactly) {
  Resultado r = Roda(Conexao(*erp) + std::vector<std::string>{"--empresa", "1", "--usuario", "operador ",
                                                              "--arquivo", dir.File("efd.txt")},
                     Senhas(), dir);
  EXPECT_EQ(r.codigo, 3) << r.erros;
  EXPECT_NE(r.erros.find("USUARIO E/OU SENHA INVÁLIDOS"), std::string::npos) << r.erros;
}

TEST_F(Cli, TheSettingsFileGivesTheConnectionWhenOnlyItsOwnerCanReadIt) {
  const TDbSettings s = erp->CatalogSettings();
  const std::filesystem::path ini = dir.path() / ".config/vudirozazezav/conexao.ini";
  std::filesystem::create_directories(ini.parent_path());
  std::ofstream(ini) << "# ERP\n[conexao]\nhost=" << s.HostName << "\nporta=" << s.Port << "\nsocket=" << s.Socket
                     << "\nbanco=" << s.Database << "\nusuario=" << s.User << "\nsenha=" << s.Password << "\n";
  const std::vector<std::string> args = {"--empresa", "1", "--usuario", ErpDatabase::kUser, "--senha-stdin",
                                         "--periodo", "2024-03", "--arquivo", dir.File("efd.txt"),
                                         "--sem-validacao"};
  std::filesystem::permissions(ini, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                        std::filesystem::perms::group_read);
  Resultado r = Roda(args, std::string(ErpDatabase::kPassword) + "\n", dir);
  EXPECT_EQ(r.codigo, 2) << r.erros;
  EXPECT_NE(r.erros.find("chmod 600"), std::string::npos) << r.erros;
  EXPECT_FALSE(std::filesystem::exists(dir.File("efd.txt")));

  std::filesystem::permissions(ini, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  r = Roda(args, std::string(ErpDatabase::kPassword) + "\n", dir);
  EXPECT_EQ(r.codigo, 0) << r.erros;
  EXPECT_TRUE(FileCountsAgree(dir.File("efd.txt")));
}

TEST(CliSemServidor, OptionValuesAreCheckedAndNeverEchoedRaw) {
  const std::vector<std::string> login = {"--empresa", "1", "--usuario", "x", "--senha-stdin", "--porta", "1"};
  struct Caso {
    std::vector<std::string> args;
    std::string mensagem;
  } casos[] = {
      {login + std::vector<std::string>{"--receita-m205", "69120"}, "\"69120\""},
      {login + std::vector<std::string>{"--receita-m605", "5856010"}, "\"5856010\""},
      {login + std::vector<std::string>{"--host", "127.0.0.1;port=3306"}, "--host"},
      {login + std::vector<std::string>{"--host", "a=b"}, "--host"},
      {login + std::vector<std::string>{"--versao", "\x1b[2J320"}, "\"\\x1b[2J320\""},
      {login + std::vector<std::string>{"--apuracao", "x\ny"}, "\"x\\x0ay\""},
  };
  for (const Caso& c : casos) {
    TempDir dir;
    Resultado r = Roda(c.args, "s\n", dir);
    EXPECT_EQ(r.codigo, 2) << c.mensagem << "\n" << r.erros;
    EXPECT_NE(r.erros.find(c.mensagem), std::string::npos) << r.erros;
    EXPECT_EQ(r.erros.find('\x1b'), std::string::npos) << r.erros;
  }
}
