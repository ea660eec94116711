// A property page at work, driven as a design environment's page protocol drives one: made with
// its combo lists filled (Initialize), loaded from the first selected control whenever the
// selection changes, edited by the user (each edit sets Changed, nothing reaches the control
// yet), and applied back to the first selected control, one property at a time in the page's
// order. The page checks nothing itself: every value goes through the control's own setter.
//
// The page never fails on a value it cannot take or give:
// - a stored value with no list item (a WinTheme of 5 set from code) leaves its combo box
//   showing no item (ListIndex -1, no text); the property is not written back until the user
//   chooses an item, so applying the page keeps the stored value;
// - likewise a property that cannot be read shows an empty box, an unchecked box or no item,
//   and is not written back until edited;
// - a text the control cannot convert (letters in a number, 70000 in a 16-bit property) is
//   refused by the control: that property keeps its value, the page goes on with the next
//   ones, keeps showing the text, and stays Changed so that it can be applied again.
// Each of these is reported back as a PageIssue.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "pages/page_definition.h"
#include "pages/page_target.h"
#include "platform/form_layout.h"

namespace kovra::pages {

// What kept the page from showing or writing a property.
enum class IssueKind {
  Unreadable,    // loading: the control's getter failed
  NoListItem,    // loading: the stored value has no item in the combo list
  LeftAsStored,  // applying: the page shows no value of it, so it was not written
  Refused,       // applying: the control could not take the page's value (an error)
};

struct PageIssue {
  std::wstring property;
  IssueKind kind;
  std::wstring detail;  // the error ("error 13: Type mismatch") or the unlisted value ("5")
  friend bool operator==(const PageIssue&, const PageIssue&) = default;
};

class PropertyPage {
 public:
  // The page as made, its combo lists filled; numbers are written and read as texts with
  // `separators` (the user's locale, as the control reads its texts).
  PropertyPage(const PageDefinition& definition, const Separators& separators);

  const PageDefinition& Definition() const { return definition_; }
  // The page as a form: captions, texts, check values, list indexes, combo lists.
  const FormLayout& Form() const { return form_; }
  const FormElement& Control(std::wstring_view name) const { return form_.Element(name); }
  // Whether there is something to apply.
  bool Changed() const { return changed_; }

  // The user's edits. Each sets Changed, also when it leaves the value as it was.
  void TypeText(std::wstring_view textBox, std::wstring_view text);
  void ClickCheckBox(std::wstring_view checkBox);              // checked ⇄ unchecked
  void ChooseItem(std::wstring_view comboBox, int listIndex);  // std::out_of_range off the list

  // The selection changed: loads every property from its first control, in the page's order,
  // and clears Changed. The targets must outlive their time as the selection; with none,
  // nothing is loaded and applying writes nothing.
  std::vector<PageIssue> SelectionChanged(std::span<PageTarget* const> selectedControls);
  // Writes every property into the first selected control in the page's order; clears Changed
  // unless the control refused a value with an error.
  std::vector<PageIssue> ApplyChanges();

 private:
  struct Field {
    const PageControl* control;
    std::size_t element;  // its place in form_.elements
    bool holdsValue;      // shows the control's value or the user's edit
  };
  FormElement& Element(const Field& field) { return form_.elements[field.element]; }
  Field& FieldOf(std::wstring_view name, FormElementKind kind);
  void LoadField(Field& field, PageTarget& target, std::vector<PageIssue>& issues);
  Variant FieldValue(Field& field);

  const PageDefinition& definition_;
  Separators separators_;
  FormLayout form_;
  std::vector<Field> fields_;  // in the page's load and apply order
  std::vector<PageTarget*> selection_;
  bool changed_ = false;
};

}  // namespace kovra::pages
