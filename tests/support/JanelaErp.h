#pragma once
// A main window logged in on a fresh fixture database, its period set to the seed's month
// (March 2024) and its file in a temporary folder: the starting point of extraction tests.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "FrmVUDIRozAzezav.h"
#include "support/ErpDatabase.h"
#include "support/FakeHost.h"
#include "support/FileCounts.h"
#include "support/TempDir.h"

class JanelaErp : public ::testing::Test {
protected:
  std::optional<ErpDatabase> erp;
  TempDir dir;
  FakeHost host;
  std::unique_ptr<TFrmVUDIRozAzezav> frm;

  void SetUp() override {
    REQUIRE_ERP_SERVER();
    erp.emplace();
  }
  // Changes the fixture for one case, before the window reads it.
  void Sql(const std::string& statement) {
    TDbConnection db(erp->CompanySettings());
    db.Connect();
    db.ExecSQL(statement);
    db.Commit();
  }
  // A new window (and host) on the fixture, logged in and shown, writing File("efd.txt").
  void Open() {
    host = FakeHost();
    TAppSettings s;
    s.Conexao = erp->CatalogSettings();
    s.PastaUsuario = dir.path().string();
    frm = std::make_unique<TFrmVUDIRozAzezav>(host, s);
    ASSERT_TRUE(frm->FormCreate()) << (host.messages.empty() ? "" : host.messages.back());
    frm->FormShow();
    frm->DateEdit1.Date = EncodeDate(2024, 3, 1);
    frm->DateEdit2.Date = EncodeDate(2024, 3, 31);
    frm->edtFile.Text = File();
    frm->edtFileChange();
  }
  std::string File() const { return dir.File("efd.txt"); }
  // The file as written so far: a run in progress writes beside File() until block 9.
  std::string Gravado() const { return frm->VornVUDIRozAzezav1.ArquivoEmGravacao(); }
  // The lines of one block of the written file (by the register's first character).
  std::vector<std::string> Bloco(char bloco) const {
    std::vector<std::string> out;
    for (auto& l : FileLines(Gravado()))
      if (l.size() > 1 && l[1] == bloco) out.push_back(l);
    return out;
  }
};
