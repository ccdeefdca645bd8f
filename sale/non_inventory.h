// A sale of something not on the inventory file: the clerk gives a description and a price,
// and the line is taxed like any taxed line or not taxed at all.
#pragma once

namespace ventro {

struct SaleSession;

// Command 2408. The "NBOX" dialog: description, price (typed or from the preset buttons "1.00"
// to "20.00"), one of the preset categories of "Non inventory settings" (choosing one puts its
// text into the description) and "Taxable" (checked when the settings make such sales taxable
// by default). OK without a description or without a price above 0 shows why ("Please enter a
// description", "Please enter a price", titled "Problem") and reopens the dialog. The line has
// item number 0 and no cost; taxable, it carries tax 1 and tax 2 as tax code "Tax 1 and 2".
void SellNonInventoryItem(SaleSession& session);

}  // namespace ventro
