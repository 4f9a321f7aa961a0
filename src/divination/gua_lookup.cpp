#include "divination/gua_lookup.h"

#include "common/text.h"
#include "data/reference_db.h"

namespace qk::divination {
namespace {

constexpr std::string_view kSelect = "select ID,GuaCode,GuaTite,GuaValue from \"64gua\" where ";

GuaLookup FromRows(const data::Rows& rows) {
  GuaLookup lookup;
  if (rows.failed()) {
    lookup.status = GuaLookup::Status::Failed;
    lookup.error = rows.error;
    return lookup;
  }
  if (!rows.ok()) {
    lookup.status = GuaLookup::Status::NotFound;
    return lookup;
  }
  lookup.status = GuaLookup::Status::Found;
  long long id = 0;
  if (ParseInt(rows.Text(0), id)) lookup.entry.id = static_cast<int>(id);
  lookup.entry.code = rows.Text(1);
  lookup.entry.title = rows.Text(2);
  lookup.entry.text = rows.Text(3);
  return lookup;
}

}  // namespace

GuaLookup FindGuaById(int id) {
  return FromRows(data::QueryFirst(data::RefDb::Tgcode, std::string(kSelect) + "ID = ?", {std::to_string(id)}));
}

GuaLookup FindGuaByCode(std::string_view code) {
  return FromRows(data::QueryFirst(data::RefDb::Tgcode, std::string(kSelect) + "GuaCode = ?", {std::string(code)}));
}

std::string GuaReadFailureMessage() { return "无法读取卦象数据文件 Tgcode.dll，请确认它与程序在同一文件夹中且未损坏。"; }

}  // namespace qk::divination
