// The band list Combo1: tells when the user opens it, so the list opens on the band the channels
// belong to.
#pragma once

#include <QComboBox>

#include <functional>
#include <utility>

namespace qv {

class BandList : public QComboBox {
    Q_OBJECT

  public:
    explicit BandList(QWidget* parent = nullptr) : QComboBox(parent) {}

    void SetOpenHandler(std::function<void()> handler) { opened_ = std::move(handler); }

    void showPopup() override {
        if (opened_) opened_();
        QComboBox::showPopup();
    }

  private:
    std::function<void()> opened_;
};

}  // namespace qv
