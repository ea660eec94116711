Set control = CreateObject("Kovra_Double.KovraDouble")
control.DecimalPlaces = 3
control.Value = "1234.5"
WScript.Echo control.Value
WScript.Echo control
