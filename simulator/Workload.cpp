#include "simulator/Workload.h"

#include "simulator/Tokenizer.h"

namespace sim {

const std::vector<WorkItem>& workload() {
    static const std::vector<WorkItem> items = {
        {"SELECT", "select OrderID, Total from orders where CustomerID = @cust", "sales", "orders",
         "orders_cust", ""},
        {"UPDATE", "update stock set OnHand = OnHand - @qty where ItemID = @item", "sales", "stock",
         "stock_pk", ""},
        {"INSERT", "insert into order_lines values (@order, @line, @item, @qty, @price)", "sales",
         "order_lines", "", ""},
        {"EXECUTE", "exec sales..close_day @day", "sales", "invoices", "invoices_day", "close_day"},
        {"SELECT",
         "select c.Name, sum(i.Amount) from customers c, invoices i where "
         "c.CustomerID = i.CustomerID group by c.Name",
         "sales", "invoices", "", ""},
        {"DELETE", "delete from audit_trail where Stamp < dateadd(dd, -30, getdate())", "sales",
         "audit_trail", "audit_stamp", ""},
        {"SELECT", "select * from customers where Name like @name", "sales", "customers", "", ""},
        {"EXECUTE", "exec hr..pay_run @period", "hr", "payslips", "payslips_pk", "pay_run"},
    };
    return items;
}

const WorkItem& workItem(std::size_t index) {
    return workload()[index % workload().size()];
}

const std::vector<UserProfile>& userProfiles() {
    static const std::vector<UserProfile> profiles = {
        {"webshop", "shop_server", "web01"},   {"webshop", "shop_server", "web02"},
        {"clerk", "OrderDesk", "ws-0142"},     {"reports", "ReportRunner", "bi01"},
        {"batch", "nightly_close", "batch01"}, {"hr_app", "PayrollClient", "ws-0077"},
    };
    return profiles;
}

const std::vector<UserObject>& userObjects() {
    static const std::vector<UserObject> objects = {
        {"sales", "orders", 576002052, 5},   {"sales", "order_lines", 592002109, 5},
        {"sales", "stock", 608002166, 5},    {"sales", "customers", 624002223, 5},
        {"sales", "invoices", 640002280, 5}, {"sales", "audit_trail", 656002337, 5},
        {"hr", "payslips", 704002508, 6},    {"master", "sysconfigures", 3, 1},
    };
    return objects;
}

const UserObject& objectOf(const WorkItem& item) {
    for (const UserObject& object : userObjects())
        if (object.table == item.table)
            return object;
    return userObjects().front();
}

const std::vector<DatabaseInfo>& databases() {
    static const std::vector<DatabaseInfo> list = {
        {"master", 1},
        {"tempdb", 2},
        {"model", 3},
        {"sybsystemdb", 31513},
        {"sybsystemprocs", 31514},
        {"sales", 5},
        {"hr", 6},
    };
    return list;
}

int databaseId(std::string_view name) {
    for (const DatabaseInfo& database : databases())
        if (equalsIgnoreCase(database.name, name))
            return database.id;
    return 0;
}

} // namespace sim
