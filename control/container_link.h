// The control's way to its container. A control is created before it has a site and may lose
// it again; the link stands in for the container the whole time, so that the behaviours can
// hold on to it: it passes everything on to the site while there is one, and otherwise answers
// as a control with no container must — no one hears events or notifications, the ambient font
// is the standard one, the form runs, and message boxes have no owner.
#pragma once

#include "platform/container.h"

namespace kovra {

class ContainerLink final : public Container {
 public:
  // The site to pass everything on to (nullptr: none). It must outlive its time here.
  void Attach(Container* site) { site_ = site; }
  Container* Site() const { return site_; }

  FontRef AmbientFont() override;
  bool AmbientUserMode() override;
  void PropertyChanged(std::wstring_view name, std::int32_t dispatchId) override;
  void RaiseEvent(int dispatchId, std::span<EventArgument> arguments) override;
  std::wstring ExtenderToolTipText() override;
  std::uintptr_t DialogOwner() override;
  void ModalBoxShown(bool up) override;

 private:
  Container* site_ = nullptr;
};

}  // namespace kovra
