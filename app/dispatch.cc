#include "app/dispatch.h"

#include <algorithm>
#include <array>
#include <optional>
#include <type_traits>

#include "app/restrictions.h"
#include "app/sale_screen.h"
#include "app/simple_commands.h"
#include "app/ventro.h"
#include "comms/head_office_upload.h"
#include "customers/customer_maintenance.h"
#include "customers/customer_payment.h"
#include "customers/customer_search.h"
#include "customers/letters.h"
#include "customers/mailmerge.h"
#include "customers/statement.h"
#include "devices/drawer.h"
#include "exchange/backup_restore.h"
#include "exchange/export_command.h"
#include "exchange/history_purge.h"
#include "exchange/import_command.h"
#include "inventory/bundles.h"
#include "inventory/item_maintenance.h"
#include "inventory/item_pictures.h"
#include "inventory/item_scan.h"
#include "inventory/received_report.h"
#include "inventory/stock_receiving.h"
#include "listings/listing_commands.h"
#include "operators/language_dialog.h"
#include "operators/operator_setup.h"
#include "operators/sign_on.h"
#include "operators/user_control.h"
#include "print/barcode_labels.h"
#include "print/custom_receipt_dialog.h"
#include "print/invoice_layout_dialog.h"
#include "print/invoice_printing.h"
#include "print/receipt_printing.h"
#include "reports/activity_summary.h"
#include "reports/day_log_commands.h"
#include "reports/head_office.h"
#include "reports/item_summary_window.h"
#include "reports/sales_report_dialog.h"
#include "reports/stock_list_window.h"
#include "reports/takings_graph.h"
#include "reports/till_closeout.h"
#include "sale/basket_commands.h"
#include "sale/commit.h"
#include "sale/credit_tender.h"
#include "sale/discount.h"
#include "sale/item_entry.h"
#include "sale/line_adjust.h"
#include "sale/non_inventory.h"
#include "sale/quick_select.h"
#include "sale/refund.h"
#include "sale/tender.h"
#include "sale/transaction_lookup.h"
#include "setup/config_non_inventory.h"
#include "setup/config_print_heading.h"
#include "setup/config_sheet.h"
#include "setup/config_tax_control.h"
#include "suppliers/supplier_maintenance.h"

namespace ventro {
namespace {

using Handler = void (*)(Ventro&);

struct CommandHandler {
  Command id;
  Handler handler;
};

// A run of buttons with one handler, told which button of the run was pressed (0 for `first`).
// A sale flow run on the program's sale session.
template <void (*kFlow)(SaleSession&)>
void OnSale(Ventro& v) {
  kFlow(v.sale_session());
}

// A transaction look-up of the "Transactions" menu.
template <TransactionLookup kHow>
void OnFindTransaction(Ventro& v) {
  FindTransaction(v.printing(), kHow);
}

struct CommandRange {
  Command first;
  Command last;
  void (*handler)(Ventro&, int offset);
};

// A Customers menu flow run on the program's customer file.
CustomerDesk CustomerDeskOf(Ventro& v) {
  return {v.platform, v.settings, v.customers, v.paths, v.host, v.labels};
}

template <void (*kFlow)(CustomerDesk&)>
void OnCustomers(Ventro& v) {
  CustomerDesk desk = CustomerDeskOf(v);
  kFlow(desk);
}

// What the inventory commands work on.
InventoryDesk InventoryDeskOf(Ventro& v) {
  return {v.platform, v.settings, v.inventory, v.paths.folder};
}

// An inventory command; the quick-select buttons are refilled afterwards when it may have
// changed items.
template <void (*kFlow)(const InventoryDesk&)>
void OnItems(Ventro& v) {
  kFlow(InventoryDeskOf(v));
  FillQuickSelect(v.sale_session());
}

// A find; a bundle it found opens in the bundle view.
template <auto kFind>
void OnItemFind(Ventro& v) {
  if constexpr (std::is_void_v<decltype(kFind(InventoryDeskOf(v)))>) {
    kFind(InventoryDeskOf(v));
  } else {
    std::optional<FoundItem> found = kFind(InventoryDeskOf(v));
    if (found && found->open_bundle_view) ShowBundle(v.ui(), v.settings, v.inventory.item());
  }
}

// What the activity summary works on, with the day it is of kept for the run.
ActivityDesk ActivityDeskOf(Ventro& v) {
  return {v.platform,   v.settings,     v.inventory,      v.customers,   v.paths.folder,
          v.start_hour, v.start_minute, v.previous_start, v.activity_day};
}

template <void (*kFlow)(ActivityDesk&)>
void OnActivity(Ventro& v) {
  ActivityDesk desk = ActivityDeskOf(v);
  kFlow(desk);
}

HeadOfficeDesk HeadOfficeDeskOf(Ventro& v) {
  return {ActivityDeskOf(v), v.settings,
          v.uploader ? v.uploader->Protocols() : std::vector<UploadProtocol>{UploadProtocol::kFtp}};
}

void OnHeadOfficeSetup(Ventro& v) {
  HeadOfficeDesk desk = HeadOfficeDeskOf(v);
  SetUpHeadOfficeReports(desk);
}

void OnUploadHeadOffice(Ventro& v) {
  HeadOfficeDesk desk = HeadOfficeDeskOf(v);
  UploadHeadOfficeReports(desk, v.uploader, v.screen, v.host);
}

// A sales report; none while a payment is being taken.
template <void (*kFlow)(const ReportDesk&)>
void OnSalesReport(Ventro& v) {
  if (v.sale_session().sale.payment_in_progress) return;
  kFlow({v.platform, v.settings, v.paths.folder});
}

// An item summary of the Reports menu.
template <SummarySpan kSpan>
void OnItemSummary(Ventro& v) {
  RunItemSummary({v.platform, v.settings, v.paths.folder}, kSpan);
}

// A stock list of the Reports menu.
template <StockList kList>
void OnStockList(Ventro& v) {
  ShowStockList({v.platform, v.settings, v.inventory}, kList);
}

// The listings of the Inventory, Customers, Suppliers and Reports menus.
ListingDesk ListingDeskOf(Ventro& v) {
  return {v.platform, v.settings, v.inventory, v.customers, v.suppliers};
}

template <ItemList kList, ListOutput kOutput>
void OnItemList(Ventro& v) {
  RunItemList(ListingDeskOf(v), kList, kOutput);
}

template <CustomerList kList, ListOutput kOutput>
void OnCustomerList(Ventro& v) {
  RunCustomerList(ListingDeskOf(v), kList, kOutput);
}

template <ListOutput kOutput>
void OnSupplierList(Ventro& v) {
  RunSupplierList(ListingDeskOf(v), kOutput);
}

// What export, import, backup, restore and purge work on.
ExchangeDesk ExchangeDeskOf(Ventro& v) {
  return {v.platform, v.settings, v.inventory, v.customers, v.paths.folder, v.host, v.no_save};
}

template <void (*kFlow)(const ExchangeDesk&)>
void OnExchange(Ventro& v) {
  kFlow(ExchangeDeskOf(v));
}

// The drawer, then its line in the day text log; a drawer that could not be opened (its
// message was shown) is not logged as opened.
void OpenTillDrawerCommand(Ventro& v) {
  if (OpenTillDrawer(v.platform, v.settings)) LogTillOpened(v.sale_session());
}

// A day text log command of the Activity menu.
template <auto kFlow>
void OnDayLog(Ventro& v) {
  kFlow(v.printing());
}

// File, "Exit - print log": today's log printed, then the run ends.
void ExitPrintingLog(Ventro& v) {
  PrintTodaysLog(v.printing());
  v.host.Quit();
}

// File, "Exit - print report": the day's summary printed, then the run ends.
void ExitPrintingReport(Ventro& v) {
  ActivityDesk desk = ActivityDeskOf(v);
  PrintActivitySummary(desk);
  v.host.Quit();
}

// File, "Exit - print report + log": the summary, then today's log, then the run ends.
void ExitPrintingReportAndLog(Ventro& v) {
  ActivityDesk desk = ActivityDeskOf(v);
  PrintActivitySummary(desk);
  PrintTodaysLog(v.printing());
  v.host.Quit();
}

// The till figures are today's, and so becomes the day the activity commands report.
void SelectToday(Ventro& v) {
  const LocalTime now = v.platform.clock.Now();
  v.activity_day = Date{now.day, now.month, now.year};
}

void ReconcileTillCommand(Ventro& v) {
  SelectToday(v);
  ShowTillReconciliation(v.sale_session());
}

// The till closeout signs the clerk off once it is logged, as the log-off command does.
void CloseOutTillCommand(Ventro& v) {
  SelectToday(v);
  if (CloseOutTill(v.sale_session())) SignOn(v.sale_session());
}

// Commands whose handlers exist, by number.
constexpr std::array kHandlers = {
    CommandHandler{Command::kExit, [](Ventro& v) { v.host.Quit(); }},
    CommandHandler{Command::kExitPrintReport, ExitPrintingReport},
    CommandHandler{Command::kExitPrintLog, ExitPrintingLog},
    CommandHandler{Command::kExitPrintReportAndLog, ExitPrintingReportAndLog},
    CommandHandler{Command::kTransactionsInDay, OnFindTransaction<TransactionLookup::kDay>},
    CommandHandler{Command::kTransactionsInMonth, OnFindTransaction<TransactionLookup::kMonth>},
    CommandHandler{Command::kDisplayTodaysLog, OnDayLog<DisplayTodaysLog>},
    CommandHandler{Command::kDisplayPreviousLog, OnDayLog<DisplayPreviousLog>},
    CommandHandler{Command::kPrintTodaysLog, OnDayLog<PrintTodaysLog>},
    CommandHandler{Command::kPrintLogForDay, OnDayLog<PrintLogForDay>},
    CommandHandler{Command::kExportLogForDay, OnDayLog<ExportLogForDay>},
    CommandHandler{Command::kExport, OnExchange<ExportRecords>},
    CommandHandler{Command::kImport, OnExchange<ImportRecords>},
    CommandHandler{Command::kBackup, OnExchange<BackupData>},
    CommandHandler{Command::kRestore, OnExchange<RestoreData>},
    CommandHandler{Command::kPurgeHistory, OnExchange<PurgeHistoryCommand>},
    CommandHandler{Command::kAssociateCustomer, OnSale<AssociateCustomer>},
    CommandHandler{Command::kFindCustomer, OnCustomers<FindCustomer>},
    CommandHandler{Command::kAddCustomer, OnCustomers<AddCustomer>},
    CommandHandler{Command::kAmendCustomer, OnCustomers<AmendCustomer>},
    CommandHandler{Command::kDeleteCustomer, OnCustomers<DeleteCustomer>},
    CommandHandler{Command::kPruneCustomers, OnCustomers<PruneCustomers>},
    CommandHandler{Command::kFindCustomerContaining, OnCustomers<FindCustomerContaining>},
    CommandHandler{Command::kFindCustomerByPostcode, OnCustomers<FindCustomerByPostcode>},
    CommandHandler{Command::kFindCustomerByTelephone, OnCustomers<FindCustomerByTelephone>},
    CommandHandler{Command::kBalancePayment, OnCustomers<PayBalance>},
    CommandHandler{Command::kBalancePayOnTransaction, OnCustomers<PayBalanceOnTransaction>},
    CommandHandler{Command::kAmendBalance, OnCustomers<AmendBalance>},
    CommandHandler{Command::kCustomerStatement, OnCustomers<ShowCustomerStatement>},
    CommandHandler{Command::kCustomerPeriodActivity, OnCustomers<ShowCustomerPeriodActivity>},
    CommandHandler{Command::kPrintDebtorLetter1, OnCustomers<PrintDebtorLetter1>},
    CommandHandler{Command::kPrintDebtorLetter2, OnCustomers<PrintDebtorLetter2>},
    CommandHandler{Command::kPrintCustomerDetails, OnCustomers<PrintCustomerDetails>},
    CommandHandler{Command::kMailmerge,
                   [](Ventro& v) {
                     CustomerDesk desk = CustomerDeskOf(v);
                     RunMailmerge(desk, v.mailmerge_body);
                   }},
    CommandHandler{Command::kBarcodePrint,
                   [](Ventro& v) {
                     PrintBarcodeLabels({v.platform, v.settings, v.inventory, v.customers});
                   }},
    CommandHandler{Command::kDiscountedTransactions,
                   OnFindTransaction<TransactionLookup::kDiscounted>},
    CommandHandler{Command::kReprintLastReceipt,
                   OnFindTransaction<TransactionLookup::kReprintLast>},
    CommandHandler{Command::kTransactionsInYear, OnFindTransaction<TransactionLookup::kYear>},
    CommandHandler{Command::kDisplayTransaction, OnFindTransaction<TransactionLookup::kFind>},
    CommandHandler{Command::kFindTransaction, OnFindTransaction<TransactionLookup::kFind>},
    CommandHandler{Command::kActivitySummary, OnActivity<ShowDailyStatus>},
    CommandHandler{Command::kPreviousActivitySummary, OnActivity<ShowPickedDailyStatus>},
    CommandHandler{Command::kPrintActivitySummary, OnActivity<PrintActivitySummary>},
    CommandHandler{Command::kExportActivitySummary, OnActivity<ExportActivitySummary>},
    CommandHandler{Command::kEmailActivitySummary, OnActivity<MailActivitySummary>},
    CommandHandler{Command::kHeadOfficeSetup, OnHeadOfficeSetup},
    CommandHandler{Command::kUploadHeadOffice, OnUploadHeadOffice},
    CommandHandler{
        Command::kConfiguration,
        [](Ventro& v) { RunConfigurationSheet(v.ui(), v.Now(), v.settings, &v.platform); }},
    CommandHandler{Command::kFindInventory, OnItemFind<FindItem>},
    CommandHandler{Command::kFindInventoryByDescription, OnItemFind<FindItemByDescriptionCommand>},
    CommandHandler{Command::kFindInSkus, OnItemFind<ListItemsBySku>},
    CommandHandler{Command::kAmendInventory,
                   [](Ventro& v) {
                     if (AmendItem(InventoryDeskOf(v))) {
                       AmendBundle(v.platform, v.settings, v.inventory);
                     }
                     FillQuickSelect(v.sale_session());
                   }},
    CommandHandler{Command::kDeleteInventory, OnItems<DeleteItem>},
    CommandHandler{Command::kFindInventoryContaining, OnItemFind<SearchDescriptionFragment>},
    CommandHandler{Command::kChangeStockPicture,
                   [](Ventro& v) {
                     if (ChangeStockPicture(InventoryDeskOf(v))) FillQuickSelect(v.sale_session());
                   }},
    CommandHandler{Command::kFindInventoryAdvanced, OnItemFind<SearchAdvanced>},
    CommandHandler{Command::kAddItemImage,
                   [](Ventro& v) {
                     if (AddItemPicture(InventoryDeskOf(v))) FillQuickSelect(v.sale_session());
                   }},
    CommandHandler{Command::kNewInventory, OnItems<AddItems>},
    CommandHandler{Command::kAmendSupplier,
                   [](Ventro& v) { AmendSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{Command::kNonInventorySettings,
                   [](Ventro& v) { RunNonInventorySettings(v.ui(), v.settings); }},
    CommandHandler{Command::kAbout, ShowAbout},
    CommandHandler{Command::kUserControl,
                   [](Ventro& v) { RunUserControl(v.ui(), v.settings, v.host); }},
    CommandHandler{Command::kDeleteSupplier,
                   [](Ventro& v) { DeleteSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{Command::kAddNote, OnSale<AddTransactionNote>},
    CommandHandler{Command::kHelpContents, OpenHelp},
    CommandHandler{Command::kNonInventorySale, OnSale<SellNonInventoryItem>},
    CommandHandler{Command::kAddDiscount, OnSale<DiscountBasket>},
    CommandHandler{Command::kAdjustItemPrice, OnSale<AdjustLastLinePrice>},
    CommandHandler{Command::kOpenDrawer, OpenTillDrawerCommand},
    CommandHandler{Command::kToggleTradePrices, OnSale<ToggleTradePrices>},
    CommandHandler{Command::kVoidLine, OnSale<VoidSelectedLine>},
    CommandHandler{Command::kRepeatLine, OnSale<RepeatLastLine>},
    CommandHandler{Command::kClearBasket, OnSale<ClearBasket>},
    CommandHandler{Command::kPayCustomerCredit, OnSale<PayOnCustomerCredit>},
    CommandHandler{Command::kAdjustByWeight, OnSale<AdjustLastLineByWeight>},
    CommandHandler{Command::kPayCard, OnSale<PayCard>},
    CommandHandler{Command::kEnterItem, OnSale<EnterItem>},
    CommandHandler{Command::kQuickSelectBack,
                   [](Ventro& v) { PageQuickSelect(v.sale_session(), PageDirection::kBack); }},
    CommandHandler{
        Command::kEveryCategory,
        [](Ventro& v) { ChooseQuickSelectCategory(v.sale_session(), kAllCategoriesButton); }},
    CommandHandler{Command::kCategoryZero,
                   [](Ventro& v) { ChooseQuickSelectCategory(v.sale_session(), 0); }},
    CommandHandler{Command::kQuickSelectForward,
                   [](Ventro& v) { PageQuickSelect(v.sale_session(), PageDirection::kForward); }},
    CommandHandler{Command::kSignOn, [](Ventro& v) { SignOn(v.sale_session()); }},
    CommandHandler{Command::kTillReconciliation, ReconcileTillCommand},
    CommandHandler{Command::kTillCloseout, CloseOutTillCommand},
    CommandHandler{Command::kRefundBasket, OnSale<RefundBasket>},
    CommandHandler{Command::kPayCash, OnSale<PayCash>},
    CommandHandler{Command::kKitchenPrint,
                   [](Ventro& v) { PrintBasketToKitchen(v.printing(), v.sale); }},
    CommandHandler{Command::kProFormaQuotation,
                   [](Ventro& v) { PrintQuotation(v.printing(), v.sale.basket); }},
    CommandHandler{Command::kChangeBasket, OnSale<ChooseBasket>},
    // Shortcut panel buttons that stand for other commands.
    CommandHandler{Command::kShortcutDiscount, OnSale<DiscountBasket>},
    CommandHandler{Command::kShortcutCheque, OnSale<PayCheque>},
    CommandHandler{Command::kShortcutAssociateCustomer, OnSale<AssociateCustomer>},
    CommandHandler{Command::kPaySplit, OnSale<PaySplit>},
    CommandHandler{Command::kCalendar, ShowCalendar},
    CommandHandler{Command::kListingFontSize, RunPrinterFontSize},
    CommandHandler{Command::kFindSupplier,
                   [](Ventro& v) { FindSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{Command::kButtonTips, ToggleButtonTips},
    CommandHandler{Command::kIndentListings, ToggleIndentListings},
    CommandHandler{Command::kSoundEffects, ToggleSoundEffects},
    CommandHandler{Command::kOperatorSetup,
                   [](Ventro& v) { RunOperatorSetup(v.ui(), v.settings, v.screen.restricted); }},
    CommandHandler{Command::kTaxSetup, [](Ventro& v) { RunTaxControl(v.ui(), v.settings); }},
    CommandHandler{Command::kPayCheque, OnSale<PayCheque>},
    CommandHandler{Command::kAddSupplier,
                   [](Ventro& v) { AddSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{Command::kNewBundle,
                   [](Ventro& v) {
                     if (NewBundle(v.platform, v.settings, v.inventory)) {
                       FillQuickSelect(v.sale_session());
                     }
                   }},
    CommandHandler{Command::kInventoryReceived, OnSale<ReceiveInventory>},
    CommandHandler{Command::kInventoryReceivedBySku, OnSale<ReceiveInventoryBySku>},
    CommandHandler{Command::kInventoryReceivedReport,
                   [](Ventro& v) { ShowReceivedReport(v.printing(), v.inventory); }},
    CommandHandler{Command::kReorderList, OnStockList<StockList::kReorder>},
    CommandHandler{Command::kShortcutReorderList, OnStockList<StockList::kReorder>},
    CommandHandler{Command::kReorderByOrderCode, OnStockList<StockList::kReorderByCode>},
    CommandHandler{Command::kOutOfStock, OnStockList<StockList::kOutOfStock>},
    CommandHandler{Command::kShortcutOutOfStock, OnStockList<StockList::kOutOfStock>},
    CommandHandler{Command::kSpecialOrders, OnStockList<StockList::kSpecialOrders>},
    CommandHandler{Command::kSellByExpired, OnStockList<StockList::kSellBy>},
    CommandHandler{Command::kStockSummary,
                   [](Ventro& v) { ShowStockSummary({v.platform, v.settings, v.inventory}); }},
    CommandHandler{Command::kListInventoryFromNumber,
                   OnItemList<ItemList::kFromNumber, ListOutput::kScreen>},
    CommandHandler{Command::kListInventoryAlphabetically,
                   OnItemList<ItemList::kAlphabetical, ListOutput::kScreen>},
    CommandHandler{Command::kListInventoryByCategory,
                   OnItemList<ItemList::kCategory, ListOutput::kScreen>},
    CommandHandler{Command::kPrintInventoryFromNumber,
                   OnItemList<ItemList::kFromNumber, ListOutput::kPrint>},
    CommandHandler{Command::kPrintInventoryAlphabetically,
                   OnItemList<ItemList::kAlphabetical, ListOutput::kPrint>},
    CommandHandler{Command::kPrintInventoryWithCost,
                   OnItemList<ItemList::kWithCost, ListOutput::kPrint>},
    CommandHandler{Command::kPrintInventoryByCategory,
                   OnItemList<ItemList::kCategory, ListOutput::kPrint>},
    CommandHandler{Command::kPrintInventoryInStock,
                   OnItemList<ItemList::kInStock, ListOutput::kPrint>},
    CommandHandler{Command::kPrintInventoryByLocation,
                   OnItemList<ItemList::kLocation, ListOutput::kPrint>},
    CommandHandler{Command::kPrintInventoryCustom,
                   [](Ventro& v) { PrintCustomItemList(ListingDeskOf(v)); }},
    CommandHandler{Command::kHighestVolumeProducts,
                   OnItemList<ItemList::kTopSellers, ListOutput::kScreen>},
    CommandHandler{Command::kRetailBelowCost,
                   OnItemList<ItemList::kBelowCost, ListOutput::kScreen>},
    CommandHandler{Command::kListCustomersFromNumber,
                   OnCustomerList<CustomerList::kFromNumber, ListOutput::kScreen>},
    CommandHandler{Command::kListCustomersAlphabetically,
                   OnCustomerList<CustomerList::kAlphabetical, ListOutput::kScreen>},
    CommandHandler{Command::kListCustomersByAddress,
                   OnCustomerList<CustomerList::kAddress, ListOutput::kScreen>},
    CommandHandler{Command::kPrintCustomersFromNumber,
                   OnCustomerList<CustomerList::kFromNumber, ListOutput::kPrint>},
    CommandHandler{Command::kPrintCustomersAlphabetically,
                   OnCustomerList<CustomerList::kAlphabetical, ListOutput::kPrint>},
    CommandHandler{Command::kPrintDebtors,
                   OnCustomerList<CustomerList::kDebtors, ListOutput::kPrint>},
    CommandHandler{Command::kPrintInactiveCustomers,
                   OnCustomerList<CustomerList::kInactive, ListOutput::kPrint>},
    CommandHandler{Command::kOutstandingBalances,
                   OnCustomerList<CustomerList::kOutstanding, ListOutput::kScreen>},
    CommandHandler{Command::kListSuppliers, OnSupplierList<ListOutput::kScreen>},
    CommandHandler{Command::kPrintSuppliers, OnSupplierList<ListOutput::kPrint>},
    CommandHandler{Command::kDailyItemSummary, OnItemSummary<SummarySpan::kDay>},
    CommandHandler{Command::kWeeklyItemSummary, OnItemSummary<SummarySpan::kWeek>},
    CommandHandler{Command::kMonthlyItemSummary, OnItemSummary<SummarySpan::kMonth>},
    CommandHandler{Command::kPeriodItemSummary, OnItemSummary<SummarySpan::kPeriod>},
    CommandHandler{Command::kSalesReport, OnSalesReport<RunSalesReport>},
    CommandHandler{Command::kSalesByStaff, OnSalesReport<RunStaffSalesReport>},
    CommandHandler{Command::kTakingsGraph, OnSalesReport<ShowTakingsGraph>},
    CommandHandler{Command::kSalesByItem,
                   [](Ventro& v) {
                     if (!v.sale_session().sale.payment_in_progress) {
                       RunItemSalesReport(InventoryDeskOf(v));
                     }
                   }},
    CommandHandler{Command::kCustomReceipt,
                   [](Ventro& v) { RunCustomReceiptDialog(v.ui(), v.settings, v.platform.ports); }},
    CommandHandler{Command::kInvoices, [](Ventro& v) { RunInvoiceLayoutDialog(v.ui(), v.settings); }},
    CommandHandler{Command::kStorePrintHeading,
                   [](Ventro& v) { RunPrintHeading(v.ui(), v.settings); }},
    CommandHandler{Command::kTipOfTheDay, ShowTipOfTheDay},
    CommandHandler{Command::kCustomizeLanguage,
                   [](Ventro& v) { RunLanguageDialog(v.ui(), v.settings, v.labels); }},
};

// The keypad's digits and clear keys, the category buttons (18: every category) and the
// quick-select buttons.
constexpr std::array kRanges = {
    CommandRange{Command::kKeypadDigit0, Command::kKeypadCE,
                 [](Ventro& v, int k) { PressKeypad(v, ToInt(Command::kKeypadDigit0) + k); }},
    CommandRange{Command::kCategoryFirst, Command::kCategoryLast,
                 [](Ventro& v, int k) { ChooseQuickSelectCategory(v.sale_session(), k); }},
    CommandRange{Command::kQuickSelectFirst, Command::kQuickSelectLast,
                 [](Ventro& v, int k) { PressQuickSelect(v.sale_session(), k); }},
};

const CommandHandler* FindHandler(int id) {
  auto it = std::find_if(kHandlers.begin(), kHandlers.end(),
                         [id](const CommandHandler& entry) { return ToInt(entry.id) == id; });
  return it == kHandlers.end() ? nullptr : &*it;
}

const CommandRange* FindRange(int id) {
  auto it = std::find_if(kRanges.begin(), kRanges.end(), [id](const CommandRange& range) {
    return id >= ToInt(range.first) && id <= ToInt(range.last);
  });
  return it == kRanges.end() ? nullptr : &*it;
}

}  // namespace

bool IsCommandBuilt(int id) { return FindHandler(id) || FindRange(id); }

bool IsCommandEnabled(const Ventro& ventro, int id) {
  return IsCommandBuilt(id) && IsMenuEntryEnabled(ventro, id);
}

void DispatchCommand(Ventro& ventro, int id) {
  // A restricted clerk's refused command ends here without a word; only "Operator setup" says
  // who may use it.
  if (IsCommandRefused(ventro, id)) {
    if (id == kOperatorSetupCommand) {
      ventro.ui().Message("Restricted access", "Administrator or manager", Icon::kWarning);
    }
    return;
  }
  if (const CommandHandler* entry = FindHandler(id)) {
    entry->handler(ventro);
  } else if (const CommandRange* range = FindRange(id)) {
    range->handler(ventro, id - ToInt(range->first));
  }
}

}  // namespace ventro
