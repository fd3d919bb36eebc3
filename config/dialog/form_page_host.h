#pragma once
// The settings dialog as the host of the page parts: its hint panel, Apply and OK, loading flag,
// statistics lock, interface version and its replaceable question and warning boxes.
#include "config/pages/common/page_host.h"

namespace quon::config {

class Tfrm_quons;

class FormPageHost : public PageHost {
public:
    explicit FormPageHost(Tfrm_quons& form) : form_(form) {}
    void ShowHint(bool show, int kind, const std::string& text) override;
    void EnableApply() override;
    void EnableOkApply(bool on) override;
    bool Loading() const override;
    int StatisticsLock() const override;
    int MainVersion() const override;
    int Box(const std::string& text, unsigned flags) override;

private:
    Tfrm_quons& form_;
};

}  // namespace quon::config
