<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden.

%2</source>
        <translation>The file “%1” could not be saved.

%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.

%2</source>
        <translation>The folder “%1” could not be created.

%2</translation>
    </message>
</context>
<context>
    <name>Catalogues</name>
    <message>
        <source>Deutsch</source>
        <comment>the name of this catalogue&apos;s language, in itself</comment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Die Datei ist keine Vozavero-Messreihe.</source>
        <translation>The file is not a Vozavero measurement series.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gelesen werden: %2</source>
        <translation>The file “%1” could not be read: %2</translation>
    </message>
</context>
<context>
    <name>ChartFileReader</name>
    <message>
        <source>Nach dem Ende der Messreihe folgen weitere Zeilen.</source>
        <translation>More lines follow after the end of the series.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Vozavero-Messreihe.</source>
        <translation>The file is not a Vozavero measurement series.</translation>
    </message>
    <message>
        <source>Die Datei wurde mit einer neueren Programmversion gespeichert (Format %1) und kann nicht gelesen werden.</source>
        <translation>The file was saved by a newer version of the program (format %1) and cannot be read.</translation>
    </message>
    <message>
        <source>Zeile %1 enthält keine gültige Farbe: „%2“.</source>
        <translation>Line %1 holds no valid colour: “%2”.</translation>
    </message>
    <message>
        <source>Zeile %1 ist fehlerhaft: Erwartet wird „%2“ mit %3 Angaben.</source>
        <translation>Line %1 is faulty: expected “%2” with %3 values.</translation>
    </message>
    <message>
        <source>Zeile %1 ist fehlerhaft: Erwartet werden %2 Zahlen.</source>
        <translation>Line %1 is faulty: expected %2 numbers.</translation>
    </message>
    <message>
        <source>Zeile %1 enthält einen ungültigen Text.</source>
        <translation>Line %1 holds an invalid text.</translation>
    </message>
    <message>
        <source>Zeile %1 enthält keine gültige Zahl: „%2“.</source>
        <translation>Line %1 holds no valid number: “%2”.</translation>
    </message>
    <message>
        <source>Zeile %1 enthält einen ungültigen Wert: „%2“.</source>
        <translation>Line %1 holds an invalid value: “%2”.</translation>
    </message>
    <message>
        <source>Die Datei endet vorzeitig schon in ihrer ersten Zeile</source>
        <translation>The file ends early, in its very first line</translation>
    </message>
    <message>
        <source>Die Datei endet vorzeitig (nach Zeile %1)</source>
        <translation>The file ends early (after line %1)</translation>
    </message>
    <message>
        <source>, noch vor dem ersten Diagramm.</source>
        <translation>, before the first chart.</translation>
    </message>
    <message>
        <source>: Es fehlt die Schlusszeile „end“.</source>
        <translation>: the closing line “end” is missing.</translation>
    </message>
    <message>
        <source>; das Diagramm fehlt.</source>
        <translation>; the chart is missing.</translation>
    </message>
    <message>
        <source>; es fehlen alle %1 Diagramme.</source>
        <translation>; all %1 charts are missing.</translation>
    </message>
    <message>
        <source>; es fehlt eines der %1 Diagramme.</source>
        <translation>; one of the %1 charts is missing.</translation>
    </message>
    <message>
        <source>; es fehlen %1 der %2 Diagramme.</source>
        <translation>; %1 of the %2 charts are missing.</translation>
    </message>
    <message>
        <source> mitten in den Angaben zum Diagramm „%1“; seine Messpunkte fehlen.</source>
        <translation> in the middle of the entries of the chart “%1”; its points are missing.</translation>
    </message>
    <message>
        <source>; es fehlt 1 Messpunkt von „%1“.</source>
        <translation>; 1 point of “%1” is missing.</translation>
    </message>
    <message>
        <source>; es fehlen %1 Messpunkte von „%2“.</source>
        <translation>; %1 points of “%2” are missing.</translation>
    </message>
    <message>
        <source> Außerdem fehlt ein weiteres Diagramm.</source>
        <translation> One more chart is missing as well.</translation>
    </message>
    <message>
        <source> Außerdem fehlen %1 weitere Diagramme.</source>
        <translation> %1 more charts are missing as well.</translation>
    </message>
    <message>
        <source>Nr. %1</source>
        <translation>no. %1</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>Messreihe</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Messreihe speichern</source>
        <translation>Save series</translation>
    </message>
    <message>
        <source>Messreihen (*.kpx);;Alle Dateien (*)</source>
        <translation>Measurement series (*.kpx);;All files (*)</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.
Soll sie ersetzt werden?</source>
        <translation>The file “%1” already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Das Dateiformat %1 wird nicht unterstützt.</source>
        <translation>The file format %1 is not supported.</translation>
    </message>
</context>
<context>
    <name>DocumentOpener</name>
    <message>
        <source>Messreihe öffnen</source>
        <translation>Open series</translation>
    </message>
    <message>
        <source>Messreihen (*.kpx);;Alle Dateien (*)</source>
        <translation>Measurement series (*.kpx);;All files (*)</translation>
    </message>
</context>
<context>
    <name>GaugePanel</name>
    <message>
        <source>Hier kannst Du  die Anzahl der Vozavero im Kolbenprober festlegen</source>
        <translation>Here you set the number of Vozavero in the gas syringe</translation>
    </message>
    <message>
        <source>Hier kannst Du mit der Maus die Anzahl der Vozavero im Kolbenprober festlegen</source>
        <translation>Here you set the number of Vozavero in the gas syringe with the mouse</translation>
    </message>
    <message>
        <source>Hier kannst Du die Geschwindigkeit der Vozavero (entspricht der Temperatur) festlegen</source>
        <translation>Here you set the speed of the Vozavero (it stands for the temperature)</translation>
    </message>
    <message>
        <source>Hier kannst Du mit der Maus die Anzahl die Geschwindigkeit der Vozavero (entspricht der Temperatur) festlegen</source>
        <translation>Here you set the speed of the Vozavero (it stands for the temperature) with the mouse</translation>
    </message>
    <message>
        <source>Hier siehst Du grafisch dargestellt die Anzahl der Stöße gegen den Schieber im Kolbenprober, was dem Druck entspricht</source>
        <translation>This bar shows the number of impacts on the piston of the gas syringe, which stands for the pressure</translation>
    </message>
    <message>
        <source>Hier kannst Du den Raum für die Vozavero festlegen</source>
        <translation>Here you set the space for the Vozavero</translation>
    </message>
</context>
<context>
    <name>LabArguments</name>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Unbekanntes Argument „%1“.</source>
        <translation>Unknown argument “%1”.</translation>
    </message>
    <message>
        <source>„%1“ ist mehrfach angegeben.</source>
        <translation>“%1” is given more than once.</translation>
    </message>
    <message>
        <source>Zu „%1“ fehlt der Wert.</source>
        <translation>“%1” has no value.</translation>
    </message>
    <message>
        <source>„%1“ fehlt.</source>
        <translation>“%1” is missing.</translation>
    </message>
    <message>
        <source>--vary muss count, speed oder area sein, nicht „%1“.</source>
        <translation>--vary must be count, speed or area, not “%1”.</translation>
    </message>
    <message>
        <source>%1 gehört zur veränderten Größe; ihre Werte geben --from, --to und --step an.</source>
        <translation>%1 belongs to the varied quantity; its values are given by --from, --to and --step.</translation>
    </message>
    <message>
        <source>--step muss eine Zahl ungleich 0 sein.</source>
        <translation>--step must be a number other than 0.</translation>
    </message>
    <message>
        <source>Mit --step %1 kommt die Reihe von --from nicht zu --to.</source>
        <translation>With --step %1 the series never gets from --from to --to.</translation>
    </message>
    <message>
        <source>Die Reihe braucht mindestens zwei Werte.</source>
        <translation>The series needs at least two values.</translation>
    </message>
    <message>
        <source>Die Reihe hat mehr als %1 Werte.</source>
        <translation>The series has more than %1 values.</translation>
    </message>
    <message>
        <source>--interval muss 1, 2, 3, 5 oder 10 Sekunden sein.</source>
        <translation>--interval must be 1, 2, 3, 5 or 10 seconds.</translation>
    </message>
    <message>
        <source>--seconds muss eine ganze Zahl von 1 bis %1 sein.</source>
        <translation>--seconds must be a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>--seconds (%1) muss ein Vielfaches des Messintervalls (%2) sein.</source>
        <translation>--seconds (%1) must be a multiple of the measuring interval (%2).</translation>
    </message>
    <message>
        <source>--seed muss eine ganze Zahl von 0 bis 4294967295 sein.</source>
        <translation>--seed must be a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>--out braucht einen Ordner.</source>
        <translation>--out needs a folder.</translation>
    </message>
    <message>
        <source>%1 muss eine Zahl von %2 sein (%3), nicht „%4“.</source>
        <translation>%1 must be a number from %2 (%3), not “%4”.</translation>
    </message>
    <message>
        <source>Aufruf: vozavero-lab --vary count|speed|area --from A --to B --step S [--count N] [--speed V] [--width W] [--seconds T] [--interval I] [--seed K] --out DIR
       vozavero-lab --help | --version</source>
        <translation>Usage: vozavero-lab --vary count|speed|area --from A --to B --step S [--count N] [--speed V] [--width W] [--seconds T] [--interval I] [--seed K] --out DIR
       vozavero-lab --help | --version</translation>
    </message>
</context>
<context>
    <name>LabOutput</name>
    <message>
        <source>Stöße pro Sekunde</source>
        <translation>Impacts per second</translation>
    </message>
    <message>
        <source>Das Bild des Graphen kann nicht erzeugt werden.</source>
        <translation>The picture of the graph cannot be made.</translation>
    </message>
</context>
<context>
    <name>LabRunner</name>
    <message>
        <source>Die Simulation brach mit einem Rechenfehler ab (%1).</source>
        <translation>The simulation stopped with a numerical error (%1).</translation>
    </message>
    <message>
        <source>Durch diese Werte passt keine Ausgleichsgerade.</source>
        <translation>No line of best fit goes through these values.</translation>
    </message>
</context>
<context>
    <name>MeasurementCharts</name>
    <message>
        <source>Die Datei enthält keine Messreihe dieses Simulators (erwartet werden die elf Diagramme einer Messreihe).</source>
        <translation>The file holds no measurement series of this simulator (the eleven charts of a series are expected).</translation>
    </message>
    <message>
        <source>Die Datei enthält Werte, die keine Messwerte sein können („%1“ in „%2“).</source>
        <translation>The file holds values that cannot be measurements (“%1” in “%2”).</translation>
    </message>
</context>
<context>
    <name>PrintAdaptor</name>
    <message>
        <source>teilchen.pdf</source>
        <translation>particles.pdf</translation>
    </message>
    <message>
        <source>teilchen-%1.pdf</source>
        <translation>particles-%1.pdf</translation>
    </message>
</context>
<context>
    <name>QtFrameworkServices</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>Teilchenzahl</source>
        <translation>Particle count</translation>
    </message>
    <message>
        <source>Stoffmenge</source>
        <translation>amount of substance</translation>
    </message>
    <message>
        <source>Teilchenzahl:</source>
        <translation>Particle count:</translation>
    </message>
    <message>
        <source>Von 5 bis 50</source>
        <translation>From 5 to 50</translation>
    </message>
    <message>
        <source>Teilchenzahl alle %1 Sekunden um %2 ändern</source>
        <extracomment>%1 and %2 become the runs of blanks the period and step fields lie over</extracomment>
        <translation>Change particle count every %1 s by %2</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Von 2 bis 30</source>
        <translation>From 2 to 30</translation>
    </message>
    <message>
        <source>Geschwind. alle %1 Sekunden um %2 ändern</source>
        <extracomment>%1 and %2 become the runs of blanks the period and step fields lie over</extracomment>
        <translation>Change speed every %1 s by %2</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>volume</translation>
    </message>
    <message>
        <source>Von 50 bis 500</source>
        <translation>From 50 to 500</translation>
    </message>
    <message>
        <source>Volumen alle %1 Sekunden um %2 ändern</source>
        <extracomment>%1 and %2 become the runs of blanks the period and step fields lie over</extracomment>
        <translation>Change volume every %1 s by %2</translation>
    </message>
    <message>
        <source>Stöße auf Kolben</source>
        <translation>Impacts on piston</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>pressure</translation>
    </message>
    <message>
        <source>Stöße auf Kolben:</source>
        <translation>Impacts on piston:</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>Die Datei lässt sich nicht lesen.</source>
        <translation>The file cannot be read.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>Auf dem Datenträger ist nicht mehr genug Platz frei. Bitte Platz schaffen oder einen anderen Speicherort wählen.</source>
        <translation>There is not enough free space left on the drive. Please make room or choose another place to save.</translation>
    </message>
    <message>
        <source>Sie haben keine Berechtigung, im Ordner „%1“ zu speichern. Bitte einen anderen Speicherort wählen.</source>
        <translation>You are not allowed to save in the folder “%1”. Please choose another place to save.</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt. Bitte einen anderen Speicherort wählen.</source>
        <translation>The drive is write-protected. Please choose another place to save.</translation>
    </message>
    <message>
        <source>Den Ordner „%1“ gibt es nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>„%1“ ist ein Ordner, keine Datei. Bitte einen anderen Dateinamen wählen.</source>
        <translation>“%1” is a folder, not a file. Please choose another file name.</translation>
    </message>
    <message>
        <source>Der Dateiname ist zu lang.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Beim Schreiben ist ein Fehler aufgetreten.</source>
        <translation>An error occurred while writing.</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner. Bitte einen anderen Speicherort wählen.</source>
        <translation>“%1” is a file, not a folder. Please choose another place to save.</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Stöße (=Druck)</source>
        <translation>Impacts (=pressure)</translation>
    </message>
    <message>
        <source>Vozavero</source>
        <translation>Vozavero</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Fläche</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Stöße auf den Kolben (Druck) im Lauf der Zeit</source>
        <translation>Impacts on the piston (pressure) over time</translation>
    </message>
    <message>
        <source>Teilchenzahl im Lauf der Zeit</source>
        <translation>Particle count over time</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Geschwindigkeit im Lauf der Zeit</source>
        <translation>Speed over time</translation>
    </message>
    <message>
        <source>Fläche (Volumen) im Lauf der Zeit</source>
        <translation>Area (volume) over time</translation>
    </message>
    <message>
        <source>Stöße (Druck) und Teilchenzahl</source>
        <translation>Impacts (pressure) and particle count</translation>
    </message>
    <message>
        <source>Stöße (Druck) und Fläche (Volumen)</source>
        <translation>Impacts (pressure) and area (volume)</translation>
    </message>
    <message>
        <source>Stöße (Druck) und 1:Fläche</source>
        <translation>Impacts (pressure) and 1/area</translation>
    </message>
    <message>
        <source>1:Fläche</source>
        <translation>1/area</translation>
    </message>
    <message>
        <source>Stöße (Druck) und Geschwindigkeit (Temperatur)</source>
        <translation>Impacts (pressure) and speed (temperature)</translation>
    </message>
    <message>
        <source>Fläche (Volumen) und Teilchenzahl</source>
        <translation>Area (volume) and particle count</translation>
    </message>
    <message>
        <source>Fläche (Volumen) und Geschwindigkeit (Temperatur)</source>
        <translation>Area (volume) and speed (temperature)</translation>
    </message>
    <message>
        <source>Fläche (Volumen) und Stöße (Druck)</source>
        <translation>Area (volume) and impacts (pressure)</translation>
    </message>
    <message>
        <source>Stöße / Teilchenzahl</source>
        <translation>Impacts / particle count</translation>
    </message>
    <message>
        <source>Stöße/&amp;Teilchenzahl(Stoffmenge)</source>
        <translation>Impacts/&amp;particle count (amount of substance)</translation>
    </message>
    <message>
        <source>Stöße / Geschwindigkeit</source>
        <translation>Impacts / speed</translation>
    </message>
    <message>
        <source>Stöße/&amp;Geschwindigkeit (Temp.)</source>
        <translation>Impacts/&amp;speed (temp.)</translation>
    </message>
    <message>
        <source>Stöße / Fläche</source>
        <translation>Impacts / area</translation>
    </message>
    <message>
        <source>Stöße/&amp;Fläche (Volumen)</source>
        <translation>Impacts/&amp;area (volume)</translation>
    </message>
    <message>
        <source>Stöße / (1:Fläche)</source>
        <translation>Impacts / (1/area)</translation>
    </message>
    <message>
        <source>&amp;Stöße/(1:Fläche) (1:Druck)</source>
        <translation>&amp;Impacts/(1/area) (1/pressure)</translation>
    </message>
</context>
<context>
    <name>StartCondition</name>
    <message>
        <source>Teilchenzahl:</source>
        <translation>Particle count:</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume:</translation>
    </message>
</context>
<context>
    <name>ValueControl</name>
    <message>
        <source>%1, %2, von %3 bis %4</source>
        <translation>%1, %2, from %3 to %4</translation>
    </message>
</context>
<context>
    <name>vozavero::AboutBox</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vozavero::AutomaticControl</name>
    <message>
        <source>Die Automatik ist eingeschaltet, ändert aber keinen Wert.
Wähle unter „Optionen“ eine Größe und eine Zeit größer als 0.</source>
        <translation>Automatic mode is on but changes no value.
Under “Options”, choose a quantity and a time greater than 0.</translation>
    </message>
</context>
<context>
    <name>vozavero::CommandLine</name>
    <message>
        <source>Aufruf: vozavero [/NEW] [-DEV] [DATEI.kpx]
Simulation des Gasdrucks im Kolbenprober für den Physikunterricht.

  DATEI.kpx   öffnet eine gespeicherte Messreihe
  /NEW        startet auch, wenn das Programm schon läuft
  -DEV        zeigt die Schritte beim Start (X-1 bis X-14)
  --help      zeigt diese Hilfe
  --version   zeigt die Version
</source>
        <translation>Usage: vozavero [/NEW] [-DEV] [FILE.kpx]
Simulation of the gas pressure in a gas syringe for physics lessons.

  FILE.kpx    opens a saved measurement series
  /NEW        starts even when the program is already running
  -DEV        shows the steps of the start-up (X-1 to X-14)
  --help      shows this help
  --version   shows the version
</translation>
    </message>
</context>
<context>
    <name>vozavero::CylinderPanel</name>
    <message>
        <source>Simulation des Kolbenprobers</source>
        <translation>Gas syringe simulation</translation>
    </message>
    <message>
        <source>Kolbenprober</source>
        <translation>Gas syringe</translation>
    </message>
    <message>
        <source>Zeichnung des Kolbenprobers. Ein Druck mit der Maus oder dem Finger neben dem Gasraum stellt den Schieber dorthin.</source>
        <translation>Drawing of the gas syringe. A press with the mouse or a finger beside the gas space moves the piston there.</translation>
    </message>
    <message>
        <source>Gasraum</source>
        <translation>Gas space</translation>
    </message>
    <message>
        <source>Du kannst mit der Maus das Volumen des Kolbenprobers ändern.</source>
        <translation>You can change the volume of the gas syringe with the mouse.</translation>
    </message>
</context>
<context>
    <name>vozavero::GraphPanel</name>
    <message>
        <source>Datenreihen</source>
        <translation>Data series</translation>
    </message>
    <message>
        <source>Datenreihe wählen</source>
        <translation>Choose a data series</translation>
    </message>
    <message>
        <source>Ausgleichsgerade</source>
        <translation>Line of best fit</translation>
    </message>
    <message>
        <source>Zeichnet die Ausgleichsgerade durch die Messwerte der gewählten Datenreihe</source>
        <translation>Draws the line of best fit through the measured values of the chosen data series</translation>
    </message>
    <message>
        <source>Klicke hier um die Ansicht umzuschalten</source>
        <translation>Click here to switch the view</translation>
    </message>
    <message>
        <source>Graph der Messreihe</source>
        <translation>Graph of the measurement series</translation>
    </message>
    <message>
        <source>Du kannst erst eine Ausgleichsgerade einzeichnen lassen, wenn mindestens zwei Werte eingezeichnet wurden.</source>
        <translation>You can only have a line of best fit drawn once at least two values have been plotted.</translation>
    </message>
    <message>
        <source>Alle Messwerte liegen beim selben x-Wert. Für eine Ausgleichsgerade müssen mindestens zwei verschiedene Werte eingestellt worden sein.</source>
        <translation>All measured values lie at the same x value. A line of best fit needs at least two different settings.</translation>
    </message>
    <message>
        <source>Ein Klick schaltet die Ansicht um; ein Rechtsklick oder langes Drücken öffnet ein Menü zum Kopieren und Drucken.</source>
        <translation>A click switches the view; a right-click or a long press opens a menu for copying and printing.</translation>
    </message>
</context>
<context>
    <name>vozavero::MainMenus</name>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Menüleiste</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>%1 Sek.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neustart</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>Messreihe &amp;öffnen…</source>
        <translation>&amp;Open series…</translation>
    </message>
    <message>
        <source>Messreihe &amp;speichern</source>
        <translation>&amp;Save series</translation>
    </message>
    <message>
        <source>Programm &amp;Beenden</source>
        <translation>&amp;Quit program</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Standard view</translation>
    </message>
    <message>
        <source>Prober + Graph</source>
        <translation>Syringe + graph</translation>
    </message>
    <message>
        <source>Einstellungen + Graph</source>
        <translation>Settings + graph</translation>
    </message>
    <message>
        <source>Graph auf Vollbild</source>
        <translation>Graph full screen</translation>
    </message>
    <message>
        <source>&amp;Datenreihen</source>
        <translation>&amp;Data series</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Graphik kopieren</source>
        <translation>&amp;Copy graph</translation>
    </message>
    <message>
        <source>Graph &amp;drucken</source>
        <translation>&amp;Print graph</translation>
    </message>
    <message>
        <source>&amp;Stöße (Tabelle) in die Zwischenablage</source>
        <translation>Copy &amp;impacts (table) to the clipboard</translation>
    </message>
    <message>
        <source>Tabelle &amp;drucken</source>
        <translation>Print &amp;table</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Automatik atkiv</source>
        <translation>Automatic on</translation>
    </message>
    <message>
        <source>&amp;Automatik-Optionen</source>
        <translation>&amp;Automatic options</translation>
    </message>
    <message>
        <source>&amp;Messreihe aufnehmen</source>
        <translation>&amp;Record series</translation>
    </message>
    <message>
        <source>&amp;Aufzeichnungsintervall</source>
        <translation>Recording &amp;interval</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Graph kopieren und drucken</source>
        <translation>Copy and print the graph</translation>
    </message>
</context>
<context>
    <name>vozavero::MainWindow</name>
    <message>
        <source>Nimbra // Vozavero Simulator</source>
        <translation>Nimbra // Vozavero Simulator</translation>
    </message>
    <message>
        <source>Eine Simulation des Gasdrucks im Kolbenprober für den Physikunterricht.</source>
        <translation>A simulation of the gas pressure in a gas syringe for physics lessons.</translation>
    </message>
    <message>
        <source>Vorlix läuft bereits oder wird noch geladen.</source>
        <translation>Vorlix is already running or still loading.</translation>
    </message>
    <message>
        <source>Wollen Sie das Programm wirklich beenden?</source>
        <translation>Do you really want to quit the program?</translation>
    </message>
</context>
<context>
    <name>vozavero::NumberField</name>
    <message>
        <source>Ziffernblock öffnen</source>
        <translation>Open the number pad</translation>
    </message>
    <message>
        <source>Ziffernblock</source>
        <translation>Number pad</translation>
    </message>
</context>
<context>
    <name>vozavero::NumberPad</name>
    <message>
        <source>Letztes Zeichen löschen</source>
        <translation>Delete the last character</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vozavero::OptionsAutoDialog</name>
    <message>
        <source>Hier legen Sie fest, wie sich die eingestellten Werte über die Zeit verändern sollen</source>
        <translation>Here you choose how the set values are to change over time</translation>
    </message>
    <message>
        <source>Automatik - Optionen</source>
        <translation>Automatic mode - options</translation>
    </message>
    <message>
        <source>Automatik-Modus</source>
        <translation>Automatic mode</translation>
    </message>
    <message>
        <source>Legen Sie fest, wie die Werte sich ändern sollen</source>
        <translation>Choose how the values are to change</translation>
    </message>
    <message>
        <source>Start - Bedingungen</source>
        <translation>Start conditions</translation>
    </message>
    <message>
        <source>Automatik</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Keine automatische Veränderung</source>
        <translation>No automatic change</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Die Zeit muss größer als 0 sein</source>
        <translation>The time must be greater than 0</translation>
    </message>
</context>
<context>
    <name>vozavero::PistonPicture</name>
    <message>
        <source>Schieber</source>
        <translation>Piston</translation>
    </message>
</context>
<context>
    <name>vozavero::ReadoutRow</name>
    <message>
        <source>Letze Aufprallwerte:</source>
        <translation>Last impacts:</translation>
    </message>
    <message>
        <source>Aktuelle Aufprallwerte:</source>
        <translation>Current impacts:</translation>
    </message>
    <message>
        <source>Intervall:</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>Stöße pro Sek.:</source>
        <translation>Impacts per s:</translation>
    </message>
    <message>
        <source>Klicke hier, um das Messintervall zu ändern</source>
        <translation>Click here to change the measuring interval</translation>
    </message>
    <message>
        <source>Stöße auf den Kolben im laufenden Messintervall</source>
        <translation>Impacts on the piston in the running measuring interval</translation>
    </message>
    <message>
        <source>Messintervall. Mit der Leertaste oder der Eingabetaste wählst Du ein anderes.</source>
        <translation>Measuring interval. Press Space or Enter to choose another.</translation>
    </message>
    <message>
        <source>Stöße pro Sekunde im laufenden Messintervall</source>
        <translation>Impacts per second in the running measuring interval</translation>
    </message>
    <message>
        <source>Stöße pro Sekunde im zuletzt beendeten Messintervall</source>
        <translation>Impacts per second in the last completed measuring interval</translation>
    </message>
    <message>
        <source>%1 Sek.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Aktuelle Aufprallwerte</source>
        <translation>Current impacts</translation>
    </message>
    <message>
        <source>Intervall</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Stöße pro Sekunde</source>
        <translation>Impacts per second</translation>
    </message>
    <message>
        <source>Letzte Aufprallwerte</source>
        <translation>Last impacts</translation>
    </message>
</context>
<context>
    <name>vozavero::RecoveryControl</name>
    <message>
        <source>dd.MM.yyyy, HH:mm &apos;Uhr&apos;</source>
        <extracomment>Date and time of the last saved point, as in &quot;06.12.2026, 11:40 Uhr&quot;.</extracomment>
        <translation>yyyy-MM-dd, HH:mm</translation>
    </message>
    <message>
        <source>1 Messpunkt</source>
        <extracomment>The number of measured points after &quot;mit&quot; (dative).</extracomment>
        <translation>1 measured point</translation>
    </message>
    <message>
        <source>%1 Messpunkten</source>
        <translation>%1 measured points</translation>
    </message>
    <message>
        <source>Nach einem unerwarteten Programmende ist eine nicht gespeicherte Messreihe vom %1 mit %2 erhalten. Wiederherstellen?

Ja: die Messreihe wiederherstellen. Nein: sie endgültig verwerfen.</source>
        <translation>After an unexpected end of the program, an unsaved measurement series of %1 with %2 is left. Restore it?

Yes: restore the series. No: discard it for good.</translation>
    </message>
    <message>
        <source>Die Wiederherstellungskopie „%1“ ist keine gültige Messreihe. Grund: %2</source>
        <translation>The recovery copy “%1” is not a valid measurement series. Reason: %2</translation>
    </message>
    <message>
        <source>Die Wiederherstellungskopie „%1“ ist keine gültige Messreihe und wurde nach „%2“ verschoben. Grund: %3</source>
        <translation>The recovery copy “%1” is not a valid measurement series and was moved to “%2”. Reason: %3</translation>
    </message>
    <message>
        <source>Die Wiederherstellungskopie der Messreihe kann nicht geschrieben werden.

%1

Das Programm läuft ohne Wiederherstellungskopie weiter. Speichern Sie die Messreihe mit „Messreihe speichern“, damit bei einem unerwarteten Programmende nichts verloren geht.</source>
        <translation>The recovery copy of the measurement series cannot be written.

%1

The program goes on without a recovery copy. Save the series with “Save series” so that nothing is lost if the program ends unexpectedly.</translation>
    </message>
</context>
<context>
    <name>vozavero::SeriesFileCommands</name>
    <message>
        <source>teilchen.kpx</source>
        <translation>particles.kpx</translation>
    </message>
    <message>
        <source>Die Messreihe konnte nicht geöffnet werden: %1</source>
        <translation>The measurement series could not be opened: %1</translation>
    </message>
    <message>
        <source>Der Ausdruck konnte nicht erstellt werden (%1).</source>
        <translation>The printout could not be made (%1).</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Der Ausdruck wurde als PDF-Datei gespeichert:
%1</source>
        <translation>No printer is set up. The printout was saved as a PDF file:
%1</translation>
    </message>
    <message>
        <source>Die aktuelle Messreihe ist nicht gespeichert. Trotzdem öffnen?</source>
        <translation>The current measurement series is not saved. Open anyway?</translation>
    </message>
</context>
<context>
    <name>vozavero::SettingsPanel</name>
    <message>
        <source>Einstellungen und Zahlen</source>
        <translation>Settings and numbers</translation>
    </message>
    <message>
        <source>&amp;Neustart</source>
        <translation>&amp;Restart</translation>
    </message>
    <message>
        <source>Hiermit beginnst Du eine neue Messreihe</source>
        <translation>Starts a new measurement series</translation>
    </message>
    <message>
        <source>Automatik aktiv</source>
        <translation>Automatic on</translation>
    </message>
    <message>
        <source>Hiermit aktivierst oder deaktivierst Du das automatische ändern der Werte (siehe Menü &apos;Optionen&apos;)</source>
        <translation>Switches the automatic change of the values on or off (see &apos;Options&apos;)</translation>
    </message>
    <message>
        <source>Aufzeichnen</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Gibt an, ob die Werte aufgezeichnet werden sollen</source>
        <translation>Whether the values are recorded</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Öffnet die Einstellungen der Automatik</source>
        <translation>Opens the settings of the automatic mode</translation>
    </message>
</context>
</TS>
