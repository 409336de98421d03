// State object keys of the game model and the statistics.
#include "shell/dump.h"

#include "shell/json_values.h"
#include "model/game_state.h"
#include "model/stats.h"

#include <cstring>
#include <string>

using nlohmann::json;

namespace {

std::string Name(const char (&name)[32])
{
    return std::string(name, strnlen(name, sizeof name));
}

json Names(const OrderItem* lines, int count)
{
    json names = json::array();
    for (int i = 0; i < count && i < kReceiptLines; ++i)
        names.push_back(Name(lines[i].name));
    return names;
}

json Counts(const auto& group)
{
    json counts = json::array();
    for (int32_t n : group)
        counts.push_back(n);
    return counts;
}

json Floats(const std::vector<float>& values, int32_t count)
{
    json list = json::array();
    for (int32_t i = 0; i < count; ++i)
        list.push_back(JsonFloat(i < static_cast<int32_t>(values.size()) ? values[i] : 0.0f));
    return list;
}

json ReceiptJson(const Receipt& r)
{
    json lines = json::array();
    for (int i = 0; i < r.count && i < kReceiptLines; ++i)
        lines.push_back({{"name", Name(r.lines[i].name)},
                         {"price", JsonFloat(r.lines[i].price)},
                         {"bagged", r.lines[i].bagged}});
    return {{"orderNumber", r.orderNumber},
            {"slot", r.slot},
            {"lines", std::move(lines)},
            {"total", JsonFloat(r.total)},
            {"timeTaken", JsonClock(r.timeTaken)},
            {"timeServed", JsonClock(r.timeServed)}};
}

json Slots()
{
    json slots = json::array();
    for (int s = 0; s < kBagCount + kWaitingSlotCount; ++s) {
        const Bag& bag = SlotAt(s);
        slots.push_back({{"free", bag.free},
                         {"selected", bag.selected},
                         {"pickedUp", bag.pickedUp},
                         {"accuracy", JsonFloat(bag.accuracy)},
                         {"order", Names(bag.order, bag.count)},
                         {"receipt", bag.receipt ? ReceiptJson(*bag.receipt) : json(nullptr)}});
    }
    return slots;
}

json CurrentReceiptSlot()
{
    if (day.currentReceipt != nullptr)
        for (int s = 0; s < kBagCount + kWaitingSlotCount; ++s)
            if (SlotAt(s).receipt.get() == day.currentReceipt)
                return s;
    return nullptr;
}

json Kitchen()
{
    json jobs = json::array();
    for (int i = 0; i < day.kitchenQueueCount && i < kKitchenQueueCapacity; ++i) {
        const CookJob& job = day.kitchenQueue[i];
        jobs.push_back({{"item", job.item},
                        {"name", job.name},
                        {"progress", JsonFloat(job.progress)},
                        {"rate", JsonFloat(job.rate)},
                        {"warning", job.warning},
                        {"warningTimer", job.warningTimer},
                        {"colourTimer", job.colourTimer}});
    }
    return jobs;
}

json Customers()
{
    json customers = json::array();
    for (const Customer& c : day.customerQueue)
        customers.push_back(
            {{"number", c.number}, {"picture", c.picture}, {"order", Names(c.order, c.count)}});
    return customers;
}

void CounterGroups(json& out, const auto& s)
{
    out["drinksSold"] = Counts(s.drinksSold);
    out["drinksWasted"] = Counts(s.drinksWasted);
    out["burgersSold"] = Counts(s.burgersSold);
    out["burgersWasted"] = Counts(s.burgersWasted);
    out["sidesSold"] = Counts(s.sidesSold);
    out["sidesWasted"] = Counts(s.sidesWasted);
}

json Day()
{
    const DayStats& d = day.stats;
    json day = {{"revenue", JsonFloat(d.revenue)},
                {"fastestOrder", JsonFloat(d.fastestOrder)},
                {"customers", d.customers},
                {"ordersServed", d.ordersServed},
                {"averageSpeed", JsonFloat(d.averageSpeed)},
                {"averageAccuracy", JsonFloat(d.averageAccuracy)},
                {"customerPutOnHold", d.customerPutOnHold},
                {"biggestOrderItems", d.biggestOrderItems},
                {"itemsWasted", d.itemsWasted},
                {"lastOrderTime", JsonFloat(d.lastOrderTime)},
                {"orderIndex", d.orderIndex},
                {"orderTimes", Floats(d.orderTimes, d.orderIndex)},
                {"orderAccuracies", Floats(d.orderAccuracies, d.orderIndex)},
                {"biggestOrder", Names(d.biggestOrder.lines, d.biggestOrder.count)}};
    CounterGroups(day, d);
    return day;
}

json Total()
{
    const TotalStats& t = game.totals;
    json total = {{"funds", JsonFloat(t.funds)},
                  {"bestDayRevenue", JsonFloat(t.bestDayRevenue)},
                  {"fastestOrder", JsonFloat(t.fastestOrder)},
                  {"bestDayNumber", t.bestDayNumber},
                  {"customers", t.customers},
                  {"ordersServed", t.ordersServed},
                  {"biggestOrderItems", t.biggestOrderItems},
                  {"itemsWasted", t.itemsWasted},
                  {"biggestOrder", Names(t.biggestOrder.lines, t.biggestOrder.count)}};
    CounterGroups(total, t);
    return total;
}

}  // namespace

void DumpModel(json& state)
{
    const GameState& g = game;
    const DayState& d = day;
    state["dayNumber"] = d.stats.dayNumber;
    state["clock"] = JsonClock(d.gameClock);
    state["battery"] = JsonFloat(g.headsetBattery);
    state["satisfaction"] = JsonFloat(g.customerSatisfaction);
    state["gameOptions"] = program.gameOptions;

    state["registerState"] = static_cast<int>(d.registerState);
    state["carsInLine"] = d.carsInLine;
    state["customersServed"] = d.customersServed;
    state["orderCounter"] = d.orderCounter;
    state["framesSinceOrder"] = d.framesSinceOrder;
    state["framesSinceWrongBag"] = d.framesSinceWrongBag;
    state["inGameView"] = static_cast<int>(d.inGameView);
    state["slideOffset"] = d.slideOffset;
    state["betweenDaysStage"] = static_cast<int>(g.betweenDaysStage);
    state["slideReverse"] = d.slideReverse;
    state["dayOver"] = g.dayOver;
    state["dayStartPending"] = g.dayStartPending;
    state["applySatisfactionHandicap"] = g.applySatisfactionHandicap;
    state["orderOpen"] = d.orderOpen;
    state["orderPrompt"] = d.orderPrompt;

    const UpgradeLevels& u = g.upgradeLevels;
    state["upgrades"] = {{"drinks", u.drinks},
                         {"burgers", u.burgers},
                         {"sides", u.sides},
                         {"advertisement", u.advertisement},
                         {"shopCursor", u.shopCursor}};
    json rates = json::array();
    for (float rate : g.cookRateTable)
        rates.push_back(JsonFloat(rate));
    state["cookRates"] = std::move(rates);

    state["kitchen"] = Kitchen();
    state["slots"] = Slots();
    state["currentReceipt"] = CurrentReceiptSlot();
    state["customers"] = Customers();
    state["day"] = Day();
    state["total"] = Total();
}
