#include "cli/json_values.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace qv::cli {

QJsonValue JsonText(const std::string& text) {
    return text.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(text));
}

QJsonValue JsonText(const std::optional<std::string>& text) {
    return text ? QJsonValue(QString::fromStdString(*text)) : QJsonValue();
}

QJsonValue UsbAdapterJson(const std::optional<UsbAdapter>& usb) {
    if (!usb) return {};
    return QJsonObject{
        {"vid", JsonText(usb->vid)},
        {"pid", JsonText(usb->pid)},
        {"chip", JsonText(usb->chip)},
        {"serial", JsonText(usb->serial)},
        {"manufacturer", JsonText(usb->manufacturer)},
        {"product", JsonText(usb->product)},
        {"path", JsonText(usb->path)},
        {"driver", JsonText(usb->driver)},
    };
}

std::string JsonDocumentText(const QJsonArray& array) {
    return QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace qv::cli
