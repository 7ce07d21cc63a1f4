#include "XlsxTestFiles.h"

#include <QFile>

#include <zip.h>

#include <stdexcept>

namespace cellvex::test {

void writeZip(const QString &fileName, const std::map<std::string, QByteArray> &parts)
{
    int error = 0;
    zip_t *z = zip_open(QFile::encodeName(fileName).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z)
        throw std::runtime_error("zip_open failed");
    for (const auto &[name, bytes] : parts) {
        zip_source_t *src = zip_source_buffer(z, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!src || zip_file_add(z, name.c_str(), src, ZIP_FL_OVERWRITE) < 0)
            throw std::runtime_error("zip_file_add failed");
    }
    if (zip_close(z) != 0)
        throw std::runtime_error("zip_close failed");
}

std::map<std::string, QByteArray> minimalWorkbook(const QByteArray &sheetXml)
{
    return {
        {"[Content_Types].xml", "<?xml version=\"1.0\"?><Types "
                                "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"xl/workbook.xml", "<?xml version=\"1.0\"?><workbook "
                            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                            "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<?xml version=\"1.0\"?><Relationships><Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml", sheetXml},
    };
}

} // namespace cellvex::test
