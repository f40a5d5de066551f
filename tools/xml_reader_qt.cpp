// The XML reader of the data tool: Qt's stream reader from Qt Core.
#include <QFile>
#include <QXmlStreamReader>
#include <vector>

#include "xml_reader.h"

namespace skrybon::tool {

std::optional<std::string> ReadXmlFile(const std::string& path, CXmlVerseCollector& collector) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return "cannot read " + path;
  QXmlStreamReader xml(&file);
  std::vector<std::string> names, values;
  std::vector<XmlAttribute> attributes;
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement: {
        names.clear();
        values.clear();
        attributes.clear();
        for (const auto& a : xml.attributes()) {
          names.push_back(a.name().toString().toStdString());
          values.push_back(a.value().toString().toStdString());
        }
        for (std::size_t i = 0; i < names.size(); ++i) attributes.push_back({names[i], values[i]});
        collector.StartElement(xml.name().toString().toStdString(), attributes);
        break;
      }
      case QXmlStreamReader::EndElement:
        collector.EndElement(xml.name().toString().toStdString());
        break;
      case QXmlStreamReader::Characters:
        collector.Characters(xml.text().toString().toStdString());
        break;
      default:
        break;
    }
  }
  if (xml.hasError()) {
    return path + ":" + std::to_string(xml.lineNumber()) + ":" + std::to_string(xml.columnNumber()) +
           ": " + xml.errorString().toStdString();
  }
  collector.Finish();
  return std::nullopt;
}

}  // namespace skrybon::tool
