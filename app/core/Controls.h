#pragma once
// The windows' controls as plain data: what a real window shows is mirrored from these, and
// the handlers read and change them.
#include <string>
#include <vector>

#include "DateTime.h"

struct TControl {
  bool Enabled = true;
  bool Visible = true;
  std::string Hint;
};

struct TButton : TControl {
  std::string Caption;
};

struct TCheckBox : TControl {
  std::string Caption;
  bool Checked = false;
};

struct TEdit : TControl {
  std::string Label;
  std::string Text;
  int MaxLength = 0;         // 0: no limit
  bool NumbersOnly = false;
  char PasswordChar = '\0';  // shown instead of each character when set
};

struct TRadioGroup : TControl {
  std::string Caption;
  std::vector<std::string> Items;
  int ItemIndex = -1;
};

struct TComboBox : TControl {
  std::string Label;
  std::vector<std::string> Items;
  std::string Text;  // what the combo shows (a selected item or typed text)
  int ItemIndex() const {
    for (size_t i = 0; i < Items.size(); ++i)
      if (Items[i] == Text) return static_cast<int>(i);
    return -1;
  }
  void SetItemIndex(int i) { Text = i >= 0 && i < static_cast<int>(Items.size()) ? Items[i] : std::string(); }
};

struct TDateEdit : TControl {
  std::string Label;
  TDateTime Date = 0;
};

struct TMemo : TControl {
  std::string Label;
  std::vector<std::string> Lines;
};

struct TProgressBar : TControl {
  int Min = 0, Max = 100, Position = 0;
};

struct TLabel : TControl {
  std::string Caption;
  bool Bold = false;
  std::string Color;  // "red", or empty for the default
};

// The store selector: rows of (key, shown text) from the store query.
struct TLookupCombo : TControl {
  std::string Label;
  std::string KeyField, ListField;
  int DropDownCount = 8;
  struct Row { std::string Key, Text; };
  std::vector<Row> Rows;
  std::string KeyValue;  // empty: nothing selected
  std::string DisplayText() const {
    for (const Row& r : Rows) if (r.Key == KeyValue) return r.Text;
    return {};
  }
};
