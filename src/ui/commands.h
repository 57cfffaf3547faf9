// Every command of the game. A button or menu choice carries one; a tap runs it. The dispatch table
// (ui/command_routes.h) says which are screens and which are actions. The hundreds tell the menu that owns them:
// 1xx Passengers, 2xx Planes, 3xx Finance, 4xx Tools, 5xx the history chart and the saved games.
#pragma once

namespace jetvale {

enum Command : int {
  kCommandNone = 0,

  kCommandPassengersMenu = 100,
  kCommandGates = 105,
  kCommandPassengersOk = 110,
  kCommandGateAirportNext = 115,
  kCommandGateAirportPrevious = 120,
  kCommandGateAirportFiveOn = 125,
  kCommandGateAirportFiveBack = 130,
  kCommandGatePrevious = 135,
  kCommandGateNext = 140,
  kCommandBuyGate = 145,
  kCommandSellGate = 150,
  kCommandOverview = 160,
  kCommandOverviewNext = 165,
  kCommandOverviewPrevious = 170,
  kCommandOverviewFiveOn = 175,
  kCommandOverviewFiveBack = 180,

  kCommandPlanesMenu = 200,
  kCommandShowPurchaseList = 205,
  kCommandPlanesOk = 210,
  kCommandShowFleetList = 215,
  kCommandBuy = 220,
  kCommandFleetList = 225,        // builds the fleet list
  kCommandTypeChoice = 230,       // carried by the purchase rows; a tap only selects
  kCommandShowRouteEditor = 235,
  kCommandRouteEditor = 236,      // fills the route editor from the chosen plane
  kCommandPurchasePrev = 240,
  kCommandPurchaseNext = 245,
  kCommandFleetPrev = 250,
  kCommandFleetNext = 255,
  kCommandPurchaseList = 256,     // builds the aircraft purchase list; a new game goes on there
  kCommandDetails = 257,          // opens the plane details for the chosen fleet row
  kCommandPlaneChoice = 258,      // carried by the fleet rows; a tap only selects
  kCommandSell = 259,
  kCommandPercentDown = 260,
  kCommandPercentUp = 261,
  kCommandShowDetails = 262,      // the plane details, refilled every frame
  kCommandFareDown = 266,
  kCommandFareUp = 267,
  kCommandCityBackFive = 278,
  kCommandCityBack = 279,
  kCommandCityForward = 280,
  kCommandCityForwardFive = 281,
  kCommandTimeEarlier = 290,
  kCommandTimeLater = 291,
  kCommandCommitRoute = 295,

  kCommandFinanceMenu = 300,
  kCommandStatement = 305,
  kCommandPreviousAirline = 307,
  kCommandNextAirline = 308,
  kCommandFinanceOk = 310,
  kCommandNewLoan = 315,
  kCommandTakeLoan = 335,
  kCommandLessMoney = 350,
  kCommandMoreMoney = 355,
  kCommandFewerMonths = 360,
  kCommandMoreMonths = 365,
  kCommandViewLoans = 370,
  kCommandPreviousLoan = 375,
  kCommandNextLoan = 380,
  kCommandPayOff = 385,

  kCommandToolsMenu = 400,
  kCommandToolsOk = 405,
  kCommandNewGameMenu = 410,
  kCommandAirlineChoice = 411,    // carried by the New Game Menu's airlines; a tap only selects
  kCommandNewGameOk = 415,
  kCommandSaveConfirm = 420,
  kCommandSaveYes = 421,
  kCommandLoadConfirm = 425,
  kCommandLoadYes = 426,
  kCommandExitConfirm = 430,
  kCommandExitYes = 431,
  kCommandClickToExit = 432,
  kCommandOptions = 435,
  kCommandOptionsOk = 440,
  kCommandSlower = 445,
  kCommandFaster = 450,

  kCommandHistoryChart = 500,  // the history chart, opened and closed by its key (F2) too
  kCommandChartForecast = 501,  // the chart's forecast of the next twelve months, on or off
  kCommandSavedGames = 510,       // reads the saved games and lists them; opened and closed by its key (F8) too
  kCommandShowSavedGames = 511,
  kCommandSavedGameChoice = 512,  // carried by the saved games' rows; a tap only selects
  kCommandSaveToSlot = 513,
  kCommandLoadSavedGame = 514,
  kCommandDeleteSlot = 515,
  kCommandConfirmSavedGame = 516,  // "Are you sure" for the chosen row
  kCommandSavedGameYes = 517,

  kCommandScrollPad = 600,  // the toolbar's scroll pad; the tapped item tells the arrow
  kCommandClose = 999,      // closes the window on screen: back to the map
};

constexpr int kCommandSlots = 1000;  // command ids are 0..999

}  // namespace jetvale
