#pragma once
// The SQL console in Qt: shows what the console core holds and passes the clicks to it. The
// grid reads rows from the core a page at a time as it scrolls.
#include <QAbstractTableModel>
#include <QDialog>
#include <functional>
#include <vector>

#include "ConsultaSql.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The rows of the result bound to the grid.
class ConsultaModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit ConsultaModel(QObject* parent) : QAbstractTableModel(parent) {}
  void Mostra(TConsultaDados* dados);
  TConsultaDados* Dados() const { return dados_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;
  // Rows the core read on its own (the navigator's "last") become rows of the model.
  void Acompanha();

private:
  TConsultaDados* dados_ = nullptr;
  int linhas_ = 0;
};

class ConsultaSqlWindow : public QDialog {
  Q_OBJECT
public:
  ConsultaSqlWindow(TfrQuery& consulta, QWidget* parent);

  QTableView* Grade() const { return grade_; }
  QLabel* Situacao() const { return situacao_; }
  // The selected cells as tab-separated text, also put on the clipboard.
  QString Copia();

protected:
  bool eventFilter(QObject* objeto, QEvent* event) override;

private:
  using Handler = void (TfrQuery::*)();
  QPushButton* Botao(TButton& b, const char* nome, Handler h);
  void Executa(const std::function<void()>& acao);
  void Espelha();
  void SalvaCsv();

  TfrQuery& consulta_;
  QPlainTextEdit* memo_ = nullptr;
  QButtonGroup* escolha_ = nullptr;
  QTableView* grade_ = nullptr;
  ConsultaModel* modelo_ = nullptr;
  QLabel* situacao_ = nullptr;
  bool ocupado_ = false;
};
