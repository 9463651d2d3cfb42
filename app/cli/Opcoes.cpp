#include "Opcoes.h"

#include <charconv>
#include <functional>
#include <sstream>

namespace {

bool Digitos(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool Inteiro(const std::string& s, int min, int max, int& out) {
  if (!Digitos(s) || s.size() > 9) return false;
  int v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  if (v < min || v > max) return false;
  out = v;
  return true;
}

// "2024-03-05": parts split at `sep`, each all digits.
bool Partes(const std::string& text, char sep, std::vector<std::string>& out) {
  out.clear();
  std::string cur;
  for (char c : text) {
    if (c == sep) { out.push_back(cur); cur.clear(); } else cur += c;
  }
  out.push_back(cur);
  for (const std::string& p : out)
    if (!Digitos(p)) return false;
  return true;
}

bool Data(int ano, int mes, int dia, TDateTime& out) {
  return ano >= 1900 && ano <= 9999 && TryEncodeDate(ano, mes, dia, out);
}

struct TDef {
  const char* nome;
  const char* valor;  // nullptr: a switch without value
  const char* ajuda;
  std::function<void(TOpcoes&, const std::string&)> aplica;
};

[[noreturn]] void Invalido(const std::string& opcao, const std::string& valor, const std::string& esperado) {
  throw EOpcaoInvalida("valor inválido para " + opcao + ": \"" + Visivel(valor) + "\" (" + esperado + ")");
}

std::string SeisDigitos(const std::string& opcao, const std::string& v) {
  if (!Digitos(v) || v.size() != 6) Invalido(opcao, v, "esperado um código de 6 dígitos");
  return v;
}

std::string Codigo(const std::string& opcao, const std::string& v) {
  if (!Digitos(v)) Invalido(opcao, v, "esperado um código só de dígitos");
  return v;
}

std::string NaoNegativo(const std::string& opcao, const std::string& v) {
  int n = 0;
  if (!Inteiro(v, 0, 999999999, n)) Invalido(opcao, v, "esperado um número inteiro não negativo");
  return v;
}

const std::vector<TDef>& Definicoes() {
  static const std::vector<TDef> defs = {
      // Connection
      {"--host", "ENDEREÇO", "servidor do banco do ERP",
       [](TOpcoes& o, const std::string& v) {
         if (v.empty()) Invalido("--host", v, "esperado um endereço");
         // The client library would read "a=b;c=d" as a connection string and go elsewhere.
         if (v.find_first_of(";=") != std::string::npos) Invalido("--host", v, "endereço sem \";\" nem \"=\"");
         o.Conexao.HostName = v;
       }},
      {"--porta", "N", "porta TCP do servidor",
       [](TOpcoes& o, const std::string& v) {
         int n = 0;
         if (!Inteiro(v, 1, 65535, n)) Invalido("--porta", v, "esperado um número de 1 a 65535");
         o.Conexao.Port = static_cast<unsigned>(n);
       }},
      {"--socket", "CAMINHO", "socket unix do servidor (no lugar de host e porta)",
       [](TOpcoes& o, const std::string& v) { o.Conexao.Socket = v; }},
      {"--banco", "NOME", "banco de dados do catálogo de empresas",
       [](TOpcoes& o, const std::string& v) {
         if (v.empty()) Invalido("--banco", v, "esperado um nome");
         o.Conexao.Database = v;
       }},
      {"--usuario-banco", "NOME", "usuário do banco de dados",
       [](TOpcoes& o, const std::string& v) { o.Conexao.User = v; }},
      {"--pedir-senha-banco", nullptr, "pede a senha do banco no terminal (sem eco)",
       [](TOpcoes& o, const std::string&) { o.PedirSenhaBanco = true; }},
      {"--senha-banco-stdin", nullptr,
       "lê a senha do banco da entrada padrão (na segunda linha quando --senha-stdin também é dado)",
       [](TOpcoes& o, const std::string&) { o.SenhaBancoStdin = true; }},
      {"--tempo-conexao", "SEGUNDOS", "tempo máximo para conectar",
       [](TOpcoes& o, const std::string& v) {
         int n = 0;
         if (!Inteiro(v, 1, 3600, n)) Invalido("--tempo-conexao", v, "esperado um número de 1 a 3600");
         o.Conexao.ConnectTimeoutSeconds = static_cast<unsigned>(n);
       }},
      // Login
      {"--empresa", "CÓDIGO", "código da empresa (até 3 dígitos; \"1\" vale \"001\") [obrigatório]",
       [](TOpcoes& o, const std::string& v) {
         if (!Digitos(v) || v.size() > 3) Invalido("--empresa", v, "esperado um código de 1 a 3 dígitos");
         o.Empresa = v;
       }},
      {"--usuario", "LOGIN", "usuário do ERP, exatamente como cadastrado [obrigatório]",
       [](TOpcoes& o, const std::string& v) { o.Usuario = v; }},
      {"--senha-stdin", nullptr, "lê a senha do usuário da primeira linha da entrada padrão",
       [](TOpcoes& o, const std::string&) { o.SenhaStdin = true; }},
      // Run
      {"--loja", "CÓDIGO", "loja do arquivo (padrão: 001)",
       [](TOpcoes& o, const std::string& v) { o.Loja = Codigo("--loja", v); }},
      {"--periodo", "AAAA-MM", "mês do arquivo (também MM/AAAA; padrão: o mês corrente)",
       [](TOpcoes& o, const std::string& v) {
         TDateTime de = 0, ate = 0;
         if (!LerPeriodo(v, de, ate)) Invalido("--periodo", v, "esperado AAAA-MM ou MM/AAAA");
         if (o.De || o.Ate) throw EOpcaoInvalida("--periodo não combina com --de/--ate");
         o.De = de;
         o.Ate = ate;
       }},
      {"--de", "DATA", "primeiro dia (AAAA-MM-DD ou DD/MM/AAAA; sem --ate, vai até o fim do mês)",
       [](TOpcoes& o, const std::string& v) {
         TDateTime d = 0;
         if (!LerData(v, d)) Invalido("--de", v, "esperado AAAA-MM-DD ou DD/MM/AAAA");
         o.De = d;
       }},
      {"--ate", "DATA", "último dia (sem --de, começa no primeiro dia do mês)",
       [](TOpcoes& o, const std::string& v) {
         TDateTime d = 0;
         if (!LerData(v, d)) Invalido("--ate", v, "esperado AAAA-MM-DD ou DD/MM/AAAA");
         o.Ate = d;
       }},
      {"--versao", "CÓDIGO", "versão do leiaute",
       [](TOpcoes& o, const std::string& v) { o.Versao = v; }},
      {"--arquivo", "CAMINHO", "arquivo gerado (padrão: o da loja, na pasta VudiROZAZEZAV do usuário)",
       [](TOpcoes& o, const std::string& v) {
         if (v.empty()) Invalido("--arquivo", v, "esperado um caminho");
         o.Arquivo = v;
       }},
      {"--concomitante", nullptr, "grava cada bloco assim que é extraído (padrão)",
       [](TOpcoes& o, const std::string&) { o.Concomitante = true; }},
      {"--de-uma-vez", nullptr, "extrai todos os blocos e grava o arquivo inteiro no fim",
       [](TOpcoes& o, const std::string&) { o.Concomitante = false; }},
      {"--buffer-linhas", "N", "linhas guardadas antes de cada gravação (padrão 1000)",
       [](TOpcoes& o, const std::string& v) { o.BufferLinhas = NaoNegativo("--buffer-linhas", v); }},
      {"--buffer-notas", "N", "buffer de notas do bloco C (padrão 1000)",
       [](TOpcoes& o, const std::string& v) { o.BufferNotas = NaoNegativo("--buffer-notas", v); }},
      {"--num-notas", "N", "número de notas do bloco C (padrão 1000000)",
       [](TOpcoes& o, const std::string& v) { o.NumNotas = NaoNegativo("--num-notas", v); }},
      {"--apuracao", "consolidada|individual",
       "Indicador da Apuração: consolidada (C180, C190, C490) ou individual (C100, C170, C400; padrão)",
       [](TOpcoes& o, const std::string& v) {
         if (v == "consolidada") o.Apuracao = 0;
         else if (v == "individual") o.Apuracao = 1;
         else Invalido("--apuracao", v, "esperado consolidada ou individual");
       }},
      {"--criterio", "CÓDIGO", "Critério de Escrituração e Apuração",
       [](TOpcoes& o, const std::string& v) { o.Criterio = v; }},
      {"--nfce", nullptr, "inclui NFC-e (padrão)", [](TOpcoes& o, const std::string&) { o.NFCe = true; }},
      {"--sem-nfce", nullptr, "não inclui NFC-e", [](TOpcoes& o, const std::string&) { o.NFCe = false; }},
      {"--cupom-fiscal", nullptr, "inclui cupom fiscal",
       [](TOpcoes& o, const std::string&) { o.CupomFiscal = true; }},
      {"--sem-cupom-fiscal", nullptr, "não inclui cupom fiscal (padrão)",
       [](TOpcoes& o, const std::string&) { o.CupomFiscal = false; }},
      {"--f120", nullptr, "inclui F120 (crédito de depreciação)",
       [](TOpcoes& o, const std::string&) { o.F120 = true; }},
      {"--sem-f120", nullptr, "não inclui F120 (padrão)", [](TOpcoes& o, const std::string&) { o.F120 = false; }},
      {"--bloco-m", "apurado|tabelas",
       "contribuições do bloco M pelos registros gravados nos blocos A, C, D e F (apurado, padrão) ou pelas "
       "tabelas de trabalho e totais do bloco C (tabelas: Bloco M pelas tabelas de trabalho)",
       [](TOpcoes& o, const std::string& v) {
         if (v == "apurado") o.BlocoMTabelas = false;
         else if (v == "tabelas") o.BlocoMTabelas = true;
         else Invalido("--bloco-m", v, "esperado apurado ou tabelas");
       }},
      {"--receita-m205", "CÓDIGO", "Código da Receita (M205) (padrão: o do regime da loja)",
       [](TOpcoes& o, const std::string& v) { o.ReceitaM205 = SeisDigitos("--receita-m205", v); }},
      {"--receita-m605", "CÓDIGO", "Código da Receita (M605) (padrão 585601)",
       [](TOpcoes& o, const std::string& v) { o.ReceitaM605 = SeisDigitos("--receita-m605", v); }},
      {"--detalhamento", "CÓDIGO", "M205/605 Detalhamento Código Receita (padrão: o da empresa)",
       [](TOpcoes& o, const std::string& v) { o.Detalhamento = v; }},
      {"--sem-validacao", nullptr, "não valida o arquivo gerado",
       [](TOpcoes& o, const std::string&) { o.SemValidacao = true; }},
      {"--help", nullptr, "mostra esta ajuda", [](TOpcoes& o, const std::string&) { o.Ajuda = true; }},
  };
  return defs;
}

std::string Junta(const std::vector<std::string>& itens, const char* sep) {
  std::string s;
  for (size_t i = 0; i < itens.size(); ++i) s += (i ? sep : "") + itens[i];
  return s;
}

}  // namespace

std::string Visivel(const std::string& texto) {
  static const char* kHex = "0123456789abcdef";
  std::string s;
  for (unsigned char c : texto) {
    if (c < 0x20 || c == 0x7f) {
      s += "\\x";
      s += kHex[c >> 4];
      s += kHex[c & 15];
    } else {
      s += static_cast<char>(c);
    }
  }
  return s;
}

bool LerData(const std::string& text, TDateTime& out) {
  std::vector<std::string> p;
  int a = 0, m = 0, d = 0;
  if (Partes(text, '-', p) && p.size() == 3 && p[0].size() == 4 && p[1].size() <= 2 && p[2].size() <= 2) {
    Inteiro(p[0], 0, 9999, a), Inteiro(p[1], 0, 99, m), Inteiro(p[2], 0, 99, d);
  } else if (Partes(text, '/', p) && p.size() == 3 && p[2].size() == 4 && p[0].size() <= 2 && p[1].size() <= 2) {
    Inteiro(p[2], 0, 9999, a), Inteiro(p[1], 0, 99, m), Inteiro(p[0], 0, 99, d);
  } else {
    return false;
  }
  return Data(a, m, d, out);
}

bool LerPeriodo(const std::string& text, TDateTime& de, TDateTime& ate) {
  std::vector<std::string> p;
  int a = 0, m = 0;
  if (Partes(text, '-', p) && p.size() == 2 && p[0].size() == 4 && p[1].size() <= 2) {
    Inteiro(p[0], 0, 9999, a), Inteiro(p[1], 0, 99, m);
  } else if (Partes(text, '/', p) && p.size() == 2 && p[1].size() == 4 && p[0].size() <= 2) {
    Inteiro(p[1], 0, 9999, a), Inteiro(p[0], 0, 99, m);
  } else {
    return false;
  }
  if (!Data(a, m, 1, de)) return false;
  ate = EndOfTheMonth(de);
  return true;
}

TOpcoes LerOpcoes(const std::vector<std::string>& args, const TDbSettings& padrao) {
  TOpcoes o;
  o.Conexao = padrao;
  std::optional<TDateTime> de, ate;
  bool periodo = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h") {
      o.Ajuda = true;
      continue;
    }
    std::string nome = arg, valor;
    bool temValor = false;
    if (size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      nome = arg.substr(0, eq);
      valor = arg.substr(eq + 1);
      temValor = true;
    }
    const TDef* def = nullptr;
    for (const TDef& d : Definicoes())
      if (nome == d.nome) def = &d;
    if (!def) {
      if (arg.rfind("-", 0) == 0) throw EOpcaoInvalida("opção desconhecida: " + Visivel(arg) + " (veja --help)");
      throw EOpcaoInvalida("argumento inesperado: \"" + Visivel(arg) + "\" (veja --help)");
    }
    if (def->valor && !temValor) {
      if (i + 1 >= args.size()) throw EOpcaoInvalida("falta o valor de " + nome + " (" + def->valor + ")");
      valor = args[++i];
    } else if (!def->valor && temValor) {
      throw EOpcaoInvalida("a opção " + Visivel(nome) + " não leva valor");
    }
    if (nome == "--periodo") periodo = true;
    if (periodo && (nome == "--de" || nome == "--ate")) throw EOpcaoInvalida("--periodo não combina com --de/--ate");
    def->aplica(o, valor);
  }
  if (o.Ajuda) return o;
  if (o.Empresa.empty()) throw EOpcaoInvalida("falta --empresa (código da empresa)");
  if (o.Usuario.empty()) throw EOpcaoInvalida("falta --usuario (usuário do ERP)");
  if (o.PedirSenhaBanco && o.SenhaBancoStdin)
    throw EOpcaoInvalida("--pedir-senha-banco e --senha-banco-stdin não combinam");
  // One date alone means the rest of its month (or its month up to it).
  if (o.De && !o.Ate) o.Ate = EndOfTheMonth(*o.De);
  if (o.Ate && !o.De) o.De = StartOfTheMonth(*o.Ate);
  if (o.De && *o.De > *o.Ate)
    throw EOpcaoInvalida("período invertido: " + ShortDate(*o.De) + " é depois de " + ShortDate(*o.Ate));
  return o;
}

std::string TextoAjuda(const TDbSettings& padrao, const TListasJanela& listas) {
  std::ostringstream s;
  s << "Uso: vudirozazezav-cli --empresa CÓDIGO --usuario LOGIN [opções]\n\n"
       "Gera o arquivo EFD-Contribuições de uma loja e um período, como o botão \"TODOS\" da janela.\n"
       "A senha do usuário é pedida no terminal (sem eco) ou lida da entrada padrão com --senha-stdin;\n"
       "nunca é dada na linha de comando. A senha do banco é a do arquivo de configuração (ou a da\n"
       "compilação), salvo --pedir-senha-banco ou --senha-banco-stdin.\n\nOpções:\n";
  for (const TDef& d : Definicoes()) {
    std::string cab = std::string("  ") + d.nome + (d.valor ? std::string(" ") + d.valor : "");
    std::string ajuda = d.ajuda;
    const std::string nome = d.nome;
    if (nome == "--host") ajuda += " (padrão " + padrao.HostName + ")";
    if (nome == "--porta") ajuda += " (padrão " + std::to_string(padrao.Port) + ")";
    if (nome == "--banco") ajuda += " (padrão " + padrao.Database + ")";
    if (nome == "--usuario-banco") ajuda += " (padrão " + padrao.User + ")";
    if (nome == "--tempo-conexao") ajuda += " (padrão " + std::to_string(padrao.ConnectTimeoutSeconds) + ")";
    if (nome == "--versao") ajuda += ": " + Junta(listas.Versoes, ", ") + " (padrão " + listas.VersaoPadrao + ")";
    s << cab << "\n      " << ajuda << "\n";
    if (nome == "--criterio")
      for (size_t i = 0; i < listas.Criterios.size(); ++i)
        s << "        " << listas.Criterios[i] << (static_cast<int>(i) == listas.CriterioPadrao ? " (padrão)" : "") << "\n";
    if (nome == "--detalhamento")
      for (const std::string& item : listas.Detalhamentos) s << "        " << item << "\n";
  }
  s << "\nNo fim mostra as mensagens de validação (com os achados da validação do arquivo gerado), o\n"
       "caminho do arquivo, as linhas de cada bloco, o resumo da validação e o tempo.\n"
       "O andamento vai para a saída de erros.\n\n"
       "Códigos de saída:\n"
       "  0  arquivo gerado\n"
       "  2  opção ou valor inválido (inclusive loja inexistente), ou senha que não pôde ser lida\n"
       "  3  login recusado: código da empresa, usuário ou senha\n"
       "  4  erro de banco de dados (inclusive servidor inacessível)\n"
       "  5  outro erro durante a geração (por exemplo, arquivo que não pôde ser gravado, ou outra\n"
       "     geração em andamento na mesma empresa)\n"
       "  6  arquivo gerado, mas com erros de validação (só avisos: 0) ou com um passo que falhou\n"
       "     e foi ignorado (\"ERRO: ...\" nas mensagens)\n"
       "\nvudirozazezav-cli --validar ARQUIVO [--json] valida um arquivo qualquer, sem banco de dados:\n"
       "0 sem erros, 6 com erros, 2 quando o arquivo não pode ser lido.\n";
  return s.str();
}
