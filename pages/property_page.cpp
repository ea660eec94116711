#include "pages/property_page.h"

#include <algorithm>
#include <stdexcept>

#include "base/coercion.h"
#include "base/control_error.h"

namespace kovra::pages {

namespace {

std::wstring Widened(std::string_view text) { return std::wstring(text.begin(), text.end()); }

std::wstring ErrorText(const ControlError& error) {
  return L"error " + std::to_wstring(static_cast<int>(error.code())) + L": " +
         Widened(error.what());
}

// The control as made: captions from the table, boxes empty, check boxes unchecked, combo lists
// cleared and filled item by item in the table's order with no item chosen.
FormLayout MadeForm(const PageDefinition& definition) {
  FormLayout form{
      std::wstring(definition.className), std::wstring(definition.caption), definition.size, {}};
  for (const PageControl& c : definition.controls) {
    FormElement element;
    element.name = c.name;
    element.kind = c.kind;
    element.caption = c.caption;
    element.bounds = c.bounds;
    element.tabIndex = c.tabIndex;
    if (c.kind == FormElementKind::ComboBox) {
      for (const std::wstring_view item : c.items) element.items.emplace_back(item);
      element.value = -1;
    }
    form.elements.push_back(std::move(element));
  }
  return form;
}

// Shows nothing of the control's value: an empty box, an unchecked box, no item.
void ShowNothing(FormElement& element) {
  if (element.kind != FormElementKind::CheckBox) element.caption.clear();
  element.value = element.kind == FormElementKind::ComboBox ? -1 : 0;
}

}  // namespace

PropertyPage::PropertyPage(const PageDefinition& definition, const Separators& separators)
    : definition_(definition), separators_(separators), form_(MadeForm(definition)) {
  for (const std::wstring_view property : definition.order) {
    const auto& controls = definition.controls;
    const auto control = std::find_if(controls.begin(), controls.end(),
                                      [&](const PageControl& c) { return c.property == property; });
    if (control == controls.end()) throw std::logic_error("a page property without a control");
    fields_.push_back({&*control, static_cast<std::size_t>(control - controls.begin()), false});
  }
}

PropertyPage::Field& PropertyPage::FieldOf(std::wstring_view name, FormElementKind kind) {
  for (Field& field : fields_) {
    if (field.control->name == name && field.control->kind == kind) return field;
  }
  throw std::invalid_argument("the page has no such box: " + std::string(name.begin(), name.end()));
}

void PropertyPage::TypeText(std::wstring_view textBox, std::wstring_view text) {
  Field& field = FieldOf(textBox, FormElementKind::TextBox);
  Element(field).caption = text;
  field.holdsValue = true;
  changed_ = true;
}

void PropertyPage::ClickCheckBox(std::wstring_view checkBox) {
  Field& field = FieldOf(checkBox, FormElementKind::CheckBox);
  FormElement& box = Element(field);
  box.value = box.value == 1 ? 0 : 1;
  field.holdsValue = true;
  changed_ = true;
}

void PropertyPage::ChooseItem(std::wstring_view comboBox, int listIndex) {
  Field& field = FieldOf(comboBox, FormElementKind::ComboBox);
  FormElement& combo = Element(field);
  if (listIndex < 0 || listIndex >= static_cast<int>(combo.items.size())) {
    throw std::out_of_range("no such list item");
  }
  combo.value = listIndex;
  combo.caption = combo.items[static_cast<std::size_t>(listIndex)];
  field.holdsValue = true;
  changed_ = true;
}

std::vector<PageIssue> PropertyPage::SelectionChanged(
    std::span<PageTarget* const> selectedControls) {
  selection_.assign(selectedControls.begin(), selectedControls.end());
  std::vector<PageIssue> issues;
  if (!selection_.empty()) {
    for (Field& field : fields_) LoadField(field, *selection_.front(), issues);
  }
  changed_ = false;
  return issues;
}

void PropertyPage::LoadField(Field& field, PageTarget& target, std::vector<PageIssue>& issues) {
  const std::wstring property(field.control->property);
  FormElement& element = Element(field);
  ShowNothing(element);
  field.holdsValue = false;
  try {
    const Variant value = target.GetProperty(property);
    switch (element.kind) {
      case FormElementKind::CheckBox:
        element.value = ToInt32(value, separators_) & 1;
        break;
      case FormElementKind::ComboBox: {
        const std::int16_t index = ToInt16(value, separators_);
        if (index < 0 || index >= static_cast<int>(element.items.size())) {
          issues.push_back({property, IssueKind::NoListItem, std::to_wstring(index)});
          return;
        }
        element.value = index;
        element.caption = element.items[static_cast<std::size_t>(index)];
        break;
      }
      default:
        element.caption = ToText(value, separators_);
        break;
    }
    field.holdsValue = true;
  } catch (const ControlError& error) {
    issues.push_back({property, IssueKind::Unreadable, ErrorText(error)});
  }
}

Variant PropertyPage::FieldValue(Field& field) {
  const FormElement& element = Element(field);
  switch (element.kind) {
    case FormElementKind::CheckBox:
      return element.value == 1;
    case FormElementKind::ComboBox:
      return static_cast<std::int16_t>(element.value);
    default:
      return element.caption;
  }
}

std::vector<PageIssue> PropertyPage::ApplyChanges() {
  std::vector<PageIssue> issues;
  if (selection_.empty()) return issues;
  PageTarget& target = *selection_.front();
  bool refused = false;
  for (Field& field : fields_) {
    const std::wstring property(field.control->property);
    if (!field.holdsValue) {
      issues.push_back({property, IssueKind::LeftAsStored, {}});
      continue;
    }
    try {
      target.PutProperty(property, FieldValue(field));
    } catch (const ControlError& error) {
      issues.push_back({property, IssueKind::Refused, ErrorText(error)});
      refused = true;
    }
  }
  changed_ = refused;
  return issues;
}

}  // namespace kovra::pages
